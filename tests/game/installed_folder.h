#pragma once
// One program folder for the whole test run, written by the installer's code
// exactly as tavrik.exe writes it: every picture, wave and built-in level.
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace game_test {

class InstalledFolder : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
    // The folder's path; valid between SetUp and TearDown.
    static QString path();

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace game_test
