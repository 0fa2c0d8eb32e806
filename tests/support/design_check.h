#pragma once
// Checks of a window's design: each control's place and tool tip, and the order
// in which Tab walks the controls.
#include "platform/controls/control.h"
#include "platform/form.h"

#include <QString>

#include <initializer_list>
#include <vector>

namespace test_support {

struct PlacedControl {
    const char* name;
    const platform::Control& control;
    platform::Rect rect;
    QString toolTip;
};

void expectPlaced(std::initializer_list<PlacedControl> controls);

// The controls of a loaded window in the order Tab reaches them.
std::vector<const platform::Control*> tabOrder(const platform::Form& form);

}  // namespace test_support
