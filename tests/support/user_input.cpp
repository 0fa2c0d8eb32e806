#include "tests/support/user_input.h"

#include "platform/controls/control.h"
#include "platform/controls/tab_strip.h"
#include "platform/form.h"

#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace test_support {
namespace {

// QTest stops the program on a missing widget; a test should only fail.
bool present(const QWidget* widget) {
    if (widget) return true;
    ADD_FAILURE() << "no widget to send the event to (is its window loaded?)";
    return false;
}

// The keyboard types into the window in front, whose menus then see their
// shortcuts. Set at once: waiting for the platform to activate it would let the
// windows' running timers tick.
void bringToFront(QWidget* widget) {
    QWidget* window = widget->window();
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
}

}  // namespace

void pressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (!present(widget)) return;
    bringToFront(widget);
    QTest::keyClick(widget, key, modifiers);
}

void pressKey(const platform::Control& control, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    pressKey(control.widget(), key, modifiers);
}

void pressKey(const platform::Form& form, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    pressKey(form.window(), key, modifiers);
}

void typeInto(platform::Control& control, char character) {
    if (!present(control.widget())) return;
    bringToFront(control.widget());
    control.setFocus();
    QTest::keyClick(control.widget(), character);
}

void mousePress(QWidget* widget, Qt::MouseButton button, QPoint at) {
    if (present(widget)) QTest::mousePress(widget, button, Qt::NoModifier, at);
}

void mouseRelease(QWidget* widget, Qt::MouseButton button, QPoint at) {
    if (present(widget)) QTest::mouseRelease(widget, button, Qt::NoModifier, at);
}

void mouseClick(QWidget* widget, Qt::MouseButton button, QPoint at) {
    if (present(widget)) QTest::mouseClick(widget, button, Qt::NoModifier, at);
}

void doubleClick(QWidget* widget, QPoint at) {
    if (!present(widget)) return;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void clickWhereShown(const platform::Control& control, Qt::MouseButton button) {
    QWidget* widget = control.widget();
    ASSERT_NE(widget, nullptr);
    QWidget* window = widget->window();
    const QPoint centre = widget->mapTo(window, widget->rect().center());
    QWidget* receiver = window->childAt(centre);
    ASSERT_NE(receiver, nullptr);
    mouseClick(receiver, button, receiver->mapFrom(window, centre));
}

void clickTab(const platform::TabStrip& strip, int tab) {
    QWidget* widget = strip.widget();
    ASSERT_NE(widget, nullptr);
    auto* bar = widget->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    mouseClick(bar, Qt::LeftButton, bar->tabRect(tab).center());
}

void leftClick(const platform::Control& control) { mouseClick(control.widget(), Qt::LeftButton); }

void rightClick(const platform::Control& control) { mouseClick(control.widget(), Qt::RightButton); }

void doubleClick(const platform::Control& control) { doubleClick(control.widget()); }

void clickCloseBox(const platform::Form& form) {
    QWidget* window = form.window();
    if (!present(window)) return;
    if (!window->windowHandle()) {
        ADD_FAILURE() << "the window has no close box: it was never shown";
        return;
    }
    window->windowHandle()->close();
}

}  // namespace test_support
