#pragma once
// The real game window, shown headless on the installed program folder, with
// every service replaced by its recording double. Level files of a test's own
// go into a folder of their own.
#include "game/frm_haupt.h"
#include "platform/services/test_services.h"

#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace game_test {

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest();
    ~GameWindowTest() override;

    // Types one character into a widget as the keyboard would.
    static void type(QWidget* widget, char character);
    // Writes a level file (name in Windows-1252) into the test's own folder; returns its full path.
    QString writeLevel(const std::string& fileName, const std::string& nameBytes,
                       const std::array<std::string, 400>& cells, int start, int startDirection, int end) const;
    // Writes a file of the given bytes into the test's own folder; returns its full path.
    QString writeFile(const std::string& fileName, const std::string& bytes) const;
    // What the window asked for at `dataPath` under the program folder, as a picture's source path.
    static QString programPath(const char* dataPath);
    // The file names of the waves played, relative to the program folder.
    QStringList playedWaves() const;

    platform::ScopedTestServices fakes;
    pendix::frmHaupt& window;
    QTemporaryDir levels;
};

}  // namespace game_test
