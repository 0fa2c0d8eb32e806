#pragma once
// What the tests of the about box, the file list and the welcome box share: a
// program folder of its own (icons, animation frames, the car bitmaps and the
// first-start probe), the recording services, and fresh window instances for
// each test, which shows the windows it needs. Events reach the real widgets as
// the user's would (tests/support/user_input.h).
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_services.h"
#include "tests/support/user_input.h"

#include <gtest/gtest.h>

namespace shared_test {

using test_support::mousePress;
using test_support::mouseRelease;
using test_support::pressKey;

class SharedDialogTest : public ::testing::Test {
protected:
    SharedDialogTest();
    ~SharedDialogTest() override;

    test_support::ProgramFolder folder;
    test_support::ScopedTestServices fakes;
};

}  // namespace shared_test
