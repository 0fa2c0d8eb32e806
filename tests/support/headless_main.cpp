// Runs a test program's windows headless under one platform::Application.
#include "platform/application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    platform::Application app(argc, argv, QStringLiteral("Pendix"));
    return RUN_ALL_TESTS();
}
