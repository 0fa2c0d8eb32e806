#include "tests/support/design_check.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace test_support {

void expectPlaced(std::initializer_list<PlacedControl> controls) {
    for (const PlacedControl& c : controls) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.control.rect(), c.rect);
        EXPECT_EQ(c.control.toolTip(), c.toolTip);
        EXPECT_TRUE(c.control.isPlaced());
    }
}

std::vector<const platform::Control*> tabOrder(const platform::Form& form) {
    std::vector<const platform::Control*> order;
    QWidget* start = form.window();
    if (!start) return order;
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        const platform::Control* control = platform::controlOf(w);
        if (control && std::find(order.begin(), order.end(), control) == order.end()) order.push_back(control);
    }
    return order;
}

}  // namespace test_support
