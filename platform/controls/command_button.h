#pragma once
// A push button with a caption. The window's default button answers Enter and
// its cancel button Esc (a button that has the focus answers Enter itself).
#include "platform/controls/control.h"

namespace platform {

class CommandButton : public Control {
public:
    CommandButton() = default;

    const QString& caption() const { return props_.caption; }
    void setCaption(const QString& caption);
    bool isDefault() const { return props_.isDefault; }
    void setDefault(bool on);
    bool isCancel() const { return props_.isCancel; }
    void setCancel(bool on);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override { props_ = Props{}; }
    bool isButton() const override { return true; }

private:
    friend class Form;
    void clearDefault() { props_.isDefault = false; }
    void clearCancel() { props_.isCancel = false; }

    struct Props {
        QString caption;
        bool isDefault = false;
        bool isCancel = false;
    };
    Props props_;
};

}  // namespace platform
