#pragma once
// What every help launcher test shares: a program folder of its own with the
// first-start probe and the five help files, the recording services, a fresh
// window for each test, and the user's mouse and keys on the topic list.
#include "help/frm_haupt.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_services.h"

#include <QString>

#include <gtest/gtest.h>

#include <vector>

class QListWidget;

namespace hilfe_test {

class HilfeTest : public ::testing::Test {
protected:
    HilfeTest();
    ~HilfeTest() override;

    pendix::hilfe::frmHaupt& window();
    // Shown and made the active window, as the window system does when it opens.
    void showActive();
    QListWidget* list();
    // A left click on an entry of the list, where it stands on the screen.
    void clickEntry(int row);
    void pressKey(Qt::Key key);
    // The files handed to the help viewer, in order, as data paths ("\hilfe\pendix.hlp").
    std::vector<QString> helpShown() const;

    test_support::ProgramFolder folder;
    test_support::ScopedTestServices fakes;
};

}  // namespace hilfe_test
