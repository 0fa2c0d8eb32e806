#include "extras_fixture.h"

#include "shared/tile_catalogue.h"

#include "platform/application.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace extras_test {

ExtrasTest::ExtrasTest() {
    for (int direction = pendix::kFirstDirection; direction <= pendix::kLastDirection; ++direction)
        folder.writePicture(pendix::carBitmap(direction));
    // The probe as the installer writes it: the car on the end cell, up-left.
    folder.writePicture("\\bmp\\AuteDLOU.bmp");
}

ExtrasTest::~ExtrasTest() { platform::dropInstances(); }

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    ASSERT_NE(widget, nullptr);
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

void sendMousePress(QWidget* widget, Qt::MouseButton button, QPoint at) {
    sendMouse(widget, QEvent::MouseButtonPress, button, at);
}

void sendMouseRelease(QWidget* widget, Qt::MouseButton button, QPoint at) {
    sendMouse(widget, QEvent::MouseButtonRelease, button, at);
}

void sendKey(QWidget* widget, Qt::Key key) {
    ASSERT_NE(widget, nullptr);
    const QString text = key == Qt::Key_Escape ? QStringLiteral("\x1b") : QStringLiteral("\r");
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &event);
}

}  // namespace extras_test
