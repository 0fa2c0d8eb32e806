// The damaged-data tests run the real game window headless under one application
// object; each case damages its own copy of an installed program folder.
#include "platform/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    platform::Application app(argc, argv, QStringLiteral("Pendix"));
    return RUN_ALL_TESTS();
}
