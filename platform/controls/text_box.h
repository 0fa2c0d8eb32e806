#pragma once
// A one-line text box. Change runs on every real change of the text: each edit
// of the user, and every assignment by the program that changes it, nested
// inside setText() and finished before setText() returns. Assigning the text it
// already holds raises nothing.
#include "platform/controls/control.h"

namespace platform {

class TextBox : public Control {
public:
    TextBox() = default;

    const QString& text() const { return props_.text; }
    void setText(const QString& text);
    // Locked: the user can read and select, not edit.
    bool locked() const { return props_.locked; }
    void setLocked(bool on);
    // Most characters the text holds; 0 for no limit.
    int maxLength() const { return props_.maxLength; }
    void setMaxLength(int length);

    std::function<void()> onChange;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override { props_ = Props{}; }

private:
    void takeText(const QString& text);

    struct Props {
        QString text;
        bool locked = false;
        int maxLength = 0;
    };
    Props props_;
};

}  // namespace platform
