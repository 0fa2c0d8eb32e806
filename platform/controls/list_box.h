#pragma once
// A list box whose entries the program adds (unsorted, single selection).
#include "platform/controls/list_control.h"

namespace platform {

class ListBox : public ListControl {
public:
    ListBox() = default;
    void addItem(const QString& item) { appendItem(item); }
    void clear() { setItems({}); }
};

}  // namespace platform
