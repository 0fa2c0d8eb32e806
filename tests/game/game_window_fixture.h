#pragma once
// The real game window, shown headless on the installed program folder, with
// every service replaced by its recording double. Level files of a test's own
// go into a folder of their own.
#include "game/frm_haupt.h"
#include "platform/services/test_services.h"
#include "tests/support/installed_folder.h"
#include "tests/support/printers.h"
#include "tests/support/user_input.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

namespace game_test {

// The doubles, with a look at the window at the moment a message box opens.
class GameServices : public platform::ScopedTestServices {
public:
    std::function<void()> onMessage;  // runs as each box opens, before it is recorded
    platform::MessageBoxService& messageBox() override { return probe_; }

private:
    class Probe : public platform::MessageBoxService {
    public:
        explicit Probe(GameServices& owner) : owner_(owner) {}
        int show(const QString& text, int style, const QString& title) override {
            if (owner_.onMessage) owner_.onMessage();
            return owner_.messages.show(text, style, title);
        }

    private:
        GameServices& owner_;
    };
    Probe probe_{*this};
};

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest();
    ~GameWindowTest() override;

    // Types one character into a control, which takes the focus first, as the keyboard would.
    static void type(platform::Control& control, char character) { test_support::typeInto(control, character); }
    // Writes a level file (name in Windows-1252) into the test's own folder; returns its full path.
    QString writeLevel(const std::string& fileName, const std::string& nameBytes,
                       const std::array<std::string, 400>& cells, int start, int startDirection, int end) const;
    // Writes a file of the given bytes into the test's own folder; returns its full path.
    QString writeFile(const std::string& fileName, const std::string& bytes) const;
    // The file names of the waves played, relative to the program folder.
    QStringList playedWaves() const;

    GameServices fakes;
    test_support::InstalledFolder folder;  // before the window, which loads from it
    pendix::frmHaupt& window;
    QTemporaryDir levels;
};

}  // namespace game_test
