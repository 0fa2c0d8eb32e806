#pragma once
// Internal: passes every typed character on its way to a widget of a form's
// window first to the form (Form_KeyPress, with key preview on), then to the
// control it is typed into (onKeyPress), then to the widget itself. Installed on
// the QApplication by platform::Application.
#include <QObject>

class QEvent;

namespace platform::detail {

class KeyDispatcher : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    const QEvent* handingOn_ = nullptr;
};

// The code the key handlers get for a typed text (Windows-1252, 13 for Enter,
// 27 for Esc, 8 for Backspace), or -1 when the key types nothing they see.
int keyAsciiOf(const QString& text);

}  // namespace platform::detail
