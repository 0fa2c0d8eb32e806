#pragma once
// What every test here shares: a program folder of its own (icons, animation
// frames, the car bitmaps and the first-start probe), the recording services,
// and fresh window instances for each test. Events reach the real widgets as
// the user's would.
#include "tests/dialogs/program_folder.h"

#include "platform/services/test_services.h"

#include <QPoint>
#include <QString>

#include <gtest/gtest.h>

class QWidget;

namespace extras_test {

class ExtrasTest : public ::testing::Test {
protected:
    ExtrasTest();
    ~ExtrasTest() override;

    dialogs_test::ProgramFolder folder;
    platform::ScopedTestServices fakes;
};

// A mouse button pressed or released on a widget at a point (pixels in the widget).
void sendMousePress(QWidget* widget, Qt::MouseButton button, QPoint at = {2, 2});
void sendMouseRelease(QWidget* widget, Qt::MouseButton button, QPoint at = {2, 2});
// A key typed into a widget: Qt::Key_Return or Qt::Key_Escape.
void sendKey(QWidget* widget, Qt::Key key);

}  // namespace extras_test
