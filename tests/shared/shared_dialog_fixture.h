#pragma once
// What every test here shares: a program folder of its own (icons, animation
// frames, the car bitmaps and the first-start probe), the recording services,
// and fresh window instances for each test. Events reach the real widgets as
// the user's would (tests/support/user_input.h).
#include "platform/services/test_services.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/user_input.h"

#include <gtest/gtest.h>

namespace extras_test {

using test_support::mousePress;
using test_support::mouseRelease;
using test_support::pressKey;

class ExtrasTest : public ::testing::Test {
protected:
    ExtrasTest();
    ~ExtrasTest() override;

    test_support::ProgramFolder folder;
    platform::ScopedTestServices fakes;
};

}  // namespace extras_test
