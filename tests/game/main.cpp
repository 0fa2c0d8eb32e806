// The game window's tests run the real window headless under one application
// object, on a program folder that the installer's own code fills once.
#include "installed_folder.h"

#include "platform/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    platform::Application app(argc, argv, QStringLiteral("Pendix"));
    ::testing::AddGlobalTestEnvironment(new game_test::InstalledFolder);  // gtest owns it
    return RUN_ALL_TESTS();
}
