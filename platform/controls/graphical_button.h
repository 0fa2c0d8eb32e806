#pragma once
// A push button in graphical style: its face is its back colour with its picture
// drawn centred and unscaled, and no frame, so that a grid of them (the board's
// 400 tile buttons, overlapping their neighbours by a pixel) reads as one map.
// A caption, where given, stands below the picture. Pressed, the face darkens a
// little; there is no focus rectangle.
#include "platform/controls/control.h"
#include "platform/picture.h"

namespace platform {

class GraphicalButton : public Control {
public:
    GraphicalButton() = default;

    const Picture& picture() const { return props_.picture; }
    void setPicture(Picture picture);  // by value: a picture just loaded is moved in
    const QString& caption() const { return props_.caption; }
    void setCaption(const QString& caption);

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void applyColors() override;
    void resetProperties() override { props_ = Props{}; }
    bool isButton() const override { return true; }

private:
    struct Props {
        Picture picture;
        QString caption;
    };
    Props props_;
};

}  // namespace platform
