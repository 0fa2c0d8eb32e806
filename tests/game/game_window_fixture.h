#pragma once
// The real game window, shown headless and registered as the program's main
// window as the game's start-up does, with every service replaced by its
// recording double. It reads the program folder that the installer's code fills,
// which the test program's tests share and so only read; a test that writes data
// files asks for Data::OwnFolder, a folder of its own with small pictures only
// (the icon and animation frames and the first-start probe). Level files of a
// test's own go into a folder of their own.
#include "game/frm_haupt.h"
#include "tests/support/installed_folder.h"
#include "tests/support/level_file.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_services.h"
#include "tests/support/user_input.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace game_test {

// The doubles, with a look at the window at the moment a message box opens.
class GameServices : public test_support::ScopedTestServices {
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
    enum class Data { Installed, OwnFolder };
    explicit GameWindowTest(Data data = Data::Installed);
    ~GameWindowTest() override;

    // Shows a window modally as its menu item does, the user doing `act` inside it.
    template <class F>
    void script(std::function<void(F&)> act) {
        fakes.modal.script.push_back([act](platform::Form& form) { act(static_cast<F&>(form)); });
    }
    // Types one character into a control, which takes the focus first, as the keyboard would.
    static void type(platform::Control& control, char character) { test_support::typeInto(control, character); }

    // Writes a level file (name in Windows-1252) into the test's own level folder; returns its full path.
    QString writeLevel(const std::string& fileName, const std::string& nameBytes, const test_support::LevelCells& cells,
                       int start, int startDirection, int end) const;
    // Writes a file of the given bytes into the test's own level folder; returns its full path.
    QString writeFile(const std::string& fileName, const std::string& bytes) const;
    // Writes a level of one street at cell 0 with its name to a data path of the
    // test's own program folder (Data::OwnFolder); returns its full path.
    QString writeLevel(std::string_view dataPath, const char* name) const;

    // The test's own program folder (Data::OwnFolder).
    const test_support::ProgramFolder& folder() const { return own_.value(); }
    // The file names of the waves played, relative to the program folder.
    QStringList playedWaves() const;

    GameServices fakes;
    pendix::game::frmHaupt& game;
    QTemporaryDir levels;

private:
    std::optional<test_support::InstalledFolder> installed_;
    std::optional<test_support::ProgramFolder> own_;
};

}  // namespace game_test
