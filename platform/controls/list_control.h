#pragma once
// The common part of the list controls (list box, file list, folder list): a
// column of entries of which at most one is selected. ListIndex counts from 0;
// -1 is no selection. A list has no selected entry until the user or the
// program picks one: getting the focus picks none, the first arrow key picks
// the first. Click runs whenever the selection moves to an entry, by the user
// (mouse or keys) or by setListIndex(), nested inside the assignment, and when
// the user clicks the entry already selected: that chooses it again. Assigning
// the index the list has already, or an arrow key at the list's end, raises
// nothing. A double click raises one Click (its first press), then DblClick.
// Enter is not the list's: it presses the form's default button; on a form
// without one it chooses the selected entry again.
#include "platform/controls/control.h"

#include <QStringList>

class QListWidget;

namespace platform {

class ListControl : public Control {
public:
    int listCount() const { return static_cast<int>(items_.size()); }
    // The entry at an index; "" for an index the list does not hold.
    QString list(int index) const { return items_.value(index); }
    int listIndex() const { return index_; }
    void setListIndex(int index);

protected:
    ListControl() = default;
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override;
    int mouseClicks() const override { return MouseDblClick; }

    // Replaces all entries; nothing is selected afterwards and no Click runs.
    void setItems(const QStringList& items);
    // The same, but the entry selected before stays selected where an entry of the
    // same text is still there (no Click: the choice did not change).
    void setItemsKeepingSelection(const QStringList& items);
    void appendItem(const QString& item);
    // How an entry looks in the list (the folder list indents and marks folders).
    virtual void decorate(QListWidget& widget) const { (void)widget; }
    // The user double-clicked an entry; the folder list goes there.
    virtual void opened(int index) { (void)index; }

private:
    void select(int index);
    QStringList items_;
    int index_ = -1;
};

}  // namespace platform
