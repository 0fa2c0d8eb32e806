#pragma once
// The user's keys and mouse buttons, sent through Qt's own test events
// (QTest::keyClick, QTest::mousePress and mouseRelease) to the real widgets, as
// the keyboard and the mouse give them: a key goes to the window in front (the
// one it is typed into), carries its text, is offered to the menus' shortcuts
// first and is followed by its release; a click is a press and a release.
#include <QPoint>
#include <Qt>

class QWidget;

namespace platform {
class Control;
class Form;
class TabStrip;
}  // namespace platform

namespace test_support {

// A key pressed and released on a widget (a control's widget or a window), with the
// text the keyboard gives it: "\r" for Enter, "\x1b" for Esc, "4" for Qt::Key_4.
void pressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void pressKey(const platform::Control& control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void pressKey(const platform::Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A character typed into a control, which takes the focus first.
void typeInto(platform::Control& control, char character);

// Mouse buttons on a widget at a point in its pixels (its centre when none is given).
void mousePress(QWidget* widget, Qt::MouseButton button, QPoint at = {});
void mouseRelease(QWidget* widget, Qt::MouseButton button, QPoint at = {});
void mouseClick(QWidget* widget, Qt::MouseButton button, QPoint at = {});
// Press, release, double click, release of the left button, as a double click reaches a widget.
void doubleClick(QWidget* widget, QPoint at = {});

// A click at the centre of a control where the user points: it reaches whatever
// widget lies topmost there and takes the mouse, as Qt finds it (an overlay above a
// tile button, or the button when the overlay lets the mouse through).
void clickWhereShown(const platform::Control& control, Qt::MouseButton button);
// A left click on a tab's caption, which brings that tab to the front.
void clickTab(const platform::TabStrip& strip, int tab);
// The same on a control's widget.
void leftClick(const platform::Control& control);
void rightClick(const platform::Control& control);
void doubleClick(const platform::Control& control);

// The window's close box: the window system asks the shown window to close.
void clickCloseBox(const platform::Form& form);

}  // namespace test_support
