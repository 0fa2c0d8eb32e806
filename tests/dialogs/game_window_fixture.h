#pragma once
// The game window loaded headless on a test's own program folder, with every
// service replaced by its recording double; the window is registered as the
// program's main window, as the game's start-up does.
#include "game/frm_haupt.h"
#include "platform/services/test_services.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"

#include <QString>

#include <gtest/gtest.h>

#include <functional>

namespace dialogs_test {

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest();
    ~GameWindowTest() override;

    // Shows a window modally as its menu item does, the user doing `act` inside it.
    template <class F>
    void script(std::function<void(F&)> act) {
        fakes.modal.script.push_back([act](platform::Form& form) { act(static_cast<F&>(form)); });
    }
    // A level file of one street at cell 0 with its name; returns its full path.
    QString writeLevel(std::string_view dataPath, const char* name) const;

    test_support::ProgramFolder folder;
    platform::ScopedTestServices fakes;
    pendix::frmHaupt& game;
};

}  // namespace dialogs_test
