#pragma once
// Controls that show a picture at their top left corner, unscaled and without a
// border: the picture box fills the rest with its back colour, the image control
// lets the window show through. Both raise Click and DblClick from the mouse.
#include "platform/controls/control.h"
#include "platform/picture.h"

namespace platform {

class PictureControl : public Control {
public:
    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);

protected:
    PictureControl() = default;
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override { picture_ = Picture{}; }
    int mouseClicks() const override { return MouseClick | MouseDblClick; }

private:
    Picture picture_;
};

class PictureBox : public PictureControl {
public:
    PictureBox() = default;
};

class Image : public PictureControl {
public:
    Image() = default;

protected:
    void applyColors() override;
};

}  // namespace platform
