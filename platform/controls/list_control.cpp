#include "list_control.h"

#include "platform/controls/event_widget.h"
#include "platform/form.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <functional>

namespace platform {
namespace {

class ListWidget : public detail::EventWidget<QListWidget> {
public:
    using EventWidget::EventWidget;

    // A left click on the entry already selected: the selection does not move, yet
    // the user has chosen that entry again.
    std::function<void()> onChosenAgain;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const int before = currentRow();
        EventWidget::mousePressEvent(event);
        const QListWidgetItem* hit = itemAt(event->position().toPoint());
        if (!inDoubleClick_ && owner() && event->button() == Qt::LeftButton && before >= 0 && hit &&
            row(hit) == before && currentRow() == before && onChosenAgain)
            onChosenAgain();
    }
    // The press within a double click belongs to the double click, which the first press chose already.
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        inDoubleClick_ = true;
        EventWidget::mouseDoubleClickEvent(event);
        inDoubleClick_ = false;
    }
    // Qt makes the first entry current when a list without one gets the focus;
    // here only the user or the program picks an entry.
    void focusInEvent(QFocusEvent* event) override {
        if (currentIndex().isValid()) {
            EventWidget::focusInEvent(event);
            return;
        }
        const QSignalBlocker quiet(this);
        EventWidget::focusInEvent(event);
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
    // Enter is the form's: it goes on to the window, which presses the default
    // button. On a form without one, Enter chooses the selected entry again.
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            const Form* form = owner() ? owner()->form() : nullptr;
            if (form && !form->hasDefaultButton() && currentRow() >= 0 && onChosenAgain) {
                onChosenAgain();
                event->accept();
                return;
            }
            event->ignore();
            return;
        }
        EventWidget::keyPressEvent(event);
    }

private:
    bool inDoubleClick_ = false;
};

}  // namespace

QWidget* ListControl::createWidget(QWidget* parent) {
    auto* widget = new ListWidget(this, parent);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    widget->setUniformItemSizes(true);
    widget->whileOwned(&QListWidget::currentRowChanged, [this](int row) { select(row); });
    widget->onChosenAgain = [this] { raiseClick(); };
    widget->whileOwned(&QListWidget::itemDoubleClicked,
                       [this, widget](QListWidgetItem* item) { opened(widget->row(item)); });
    return widget;
}

void ListControl::applyProperties() {
    auto* widget = as<ListWidget>();
    const QSignalBlocker quiet(widget);
    widget->clear();
    widget->addItems(items_);
    decorate(*widget);
    widget->setCurrentRow(index_);
    if (index_ < 0) widget->clearSelection();
}

void ListControl::resetProperties() {
    items_.clear();
    index_ = -1;
}

void ListControl::setItems(const QStringList& items) {
    items_ = items;
    index_ = -1;
    if (widget()) applyProperties();
}

void ListControl::setItemsKeepingSelection(const QStringList& items) {
    const QString selected = list(index_);
    const int kept = index_ < 0 ? -1 : static_cast<int>(items.indexOf(selected));
    items_ = items;
    index_ = kept;
    if (widget()) applyProperties();
}

void ListControl::appendItem(const QString& item) {
    items_.append(item);
    if (auto* widget = as<ListWidget>()) {
        const QSignalBlocker quiet(widget);
        widget->addItem(item);
        decorate(*widget);
    }
}

void ListControl::setListIndex(int index) {
    if (index < -1 || index >= listCount()) index = -1;
    if (auto* widget = as<ListWidget>()) {
        const QSignalBlocker quiet(widget);
        widget->setCurrentRow(index);
        if (index < 0) widget->clearSelection();
    }
    select(index);
}

void ListControl::select(int index) {
    if (index == index_) return;
    index_ = index;
    if (index >= 0) raiseClick();
}

}  // namespace platform
