#pragma once
// The real editor window, shown headless on the installed program folder, with
// every service replaced by its recording double. Clicks and keys reach its
// widgets as the user's would.
#include "editor/frm_haupt.h"
#include "tests/support/installed_folder.h"
#include "tests/support/printers.h"
#include "tests/support/test_services.h"

#include <QString>

#include <gtest/gtest.h>

#include <vector>

namespace editor_test {

class EditorTest : public ::testing::Test {
protected:
    EditorTest();
    ~EditorTest() override;

    // A click on a tab's caption brings it to the front.
    void bringTab(int tab);
    // A left click on a control's widget, on the tab that holds it.
    static void click(platform::Control& control);
    // The right button pressed and released over a control.
    static void rightClick(platform::Control& control);
    // The code of every checked item of the nine object menus.
    std::vector<int> checkedObjectItems();

    test_support::InstalledFolder folder;
    test_support::ScopedTestServices fakes;
    pendix::editor::frmHaupt& editor;
};

}  // namespace editor_test
