#include "command_button.h"

#include "platform/controls/event_widget.h"
#include "platform/form.h"

#include <QPushButton>

namespace platform {

QWidget* CommandButton::createWidget(QWidget* parent) {
    auto* button = new detail::EventWidget<QPushButton>(this, parent);
    button->setAutoDefault(false);
    button->whileOwned(&QPushButton::clicked, [this](bool) { raiseClick(); });
    return button;
}

void CommandButton::applyProperties() { as<QPushButton>()->setText(props_.caption); }

void CommandButton::setCaption(const QString& caption) {
    props_.caption = caption;
    if (auto* button = as<QPushButton>()) button->setText(caption);
}

void CommandButton::setDefault(bool on) {
    props_.isDefault = on;
    if (form() && isPlaced()) form()->setDefaultButton(this, on);
    if (auto* button = as<QPushButton>()) button->setDefault(on);
}

void CommandButton::setCancel(bool on) {
    props_.isCancel = on;
    if (form() && isPlaced()) form()->setCancelButton(this, on);
}

}  // namespace platform
