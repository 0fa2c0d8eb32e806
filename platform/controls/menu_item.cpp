#include "menu_item.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace platform {

MenuItem::~MenuItem() {
    if (action_) QObject::disconnect(action_.data(), nullptr, nullptr, nullptr);
}

void MenuItem::reset(Form* form) {
    detach();
    props_ = Props{};
    items_.clear();
    form_ = form;
}

MenuItem& MenuItem::addItem(MenuItem& item) {
    if (form_) {
        item.reset(form_);
        items_.push_back(&item);
    }
    return item;
}

void MenuItem::build(QWidget* parent) {
    auto* bar = qobject_cast<QMenuBar*>(parent);
    auto* above = qobject_cast<QMenu*>(parent);
    if (!items_.empty()) {
        menu_ = bar ? bar->addMenu(props_.caption) : above->addMenu(props_.caption);
        action_ = menu_->menuAction();
        for (MenuItem* item : items_) item->build(menu_);
    } else {
        action_ = bar ? bar->addAction(props_.caption) : above->addAction(props_.caption);
        QObject::connect(action_.data(), &QAction::triggered, action_.data(), [this] { chosen(); });
    }
    applyTo(action_);
}

void MenuItem::detach() {
    for (MenuItem* item : items_) item->detach();
    if (action_) QObject::disconnect(action_.data(), nullptr, nullptr, nullptr);
    action_ = nullptr;
    menu_ = nullptr;
    form_ = nullptr;
}

void MenuItem::applyTo(QAction* action) {
    if (!action) return;
    action->setText(props_.caption);
    action->setShortcut(QKeySequence(props_.shortcut, QKeySequence::PortableText));
    // Checkable only while checked: an unchecked item shows no empty box.
    action->setCheckable(props_.checked);
    action->setChecked(props_.checked);
    action->setEnabled(props_.enabled);
    action->setVisible(props_.visible);
}

void MenuItem::chosen() {
    // Qt toggles a checkable action on its own; the check mark is the handler's business.
    applyTo(action_);
    if (onClick) onClick();
}

void MenuItem::click() {
    if (action_ && props_.enabled && props_.visible && onClick) onClick();
}

void MenuItem::setCaption(const QString& caption) {
    props_.caption = caption;
    applyTo(action_);
}

void MenuItem::setShortcut(const QString& shortcut) {
    props_.shortcut = shortcut;
    applyTo(action_);
}

void MenuItem::setChecked(bool on) {
    props_.checked = on;
    applyTo(action_);
}

void MenuItem::setEnabled(bool on) {
    props_.enabled = on;
    applyTo(action_);
}

void MenuItem::setVisible(bool on) {
    props_.visible = on;
    applyTo(action_);
}

}  // namespace platform
