// Runs a test program's windows headless under one platform::Application, named
// as the program whose windows it tests (its title is the message boxes' default).
#include "platform/application.h"

#include <gtest/gtest.h>

#ifndef PENDIX_TEST_PROGRAM
#define PENDIX_TEST_PROGRAM "Pendix"
#endif

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    platform::Application app(argc, argv, QStringLiteral(PENDIX_TEST_PROGRAM));
    return RUN_ALL_TESTS();
}
