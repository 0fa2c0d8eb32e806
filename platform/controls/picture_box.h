#pragma once
// Controls that show a picture at their top left corner, unscaled and without a
// border: the picture box fills the rest with its back colour, the image control
// lets the window show through. Both raise Click and DblClick from the mouse,
// unless made transparent for the mouse: then presses, releases and clicks go to
// whatever lies beneath (the board's tile buttons under their overlays).
#include "platform/controls/control.h"
#include "platform/picture.h"

namespace platform {

class PictureControl : public Control {
public:
    const Picture& picture() const { return props_.picture; }
    void setPicture(const Picture& picture);
    bool mouseTransparent() const { return props_.mouseTransparent; }
    void setMouseTransparent(bool transparent);

protected:
    PictureControl() = default;
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override { props_ = Props{}; }
    int mouseClicks() const override { return MouseClick | MouseDblClick; }

private:
    struct Props {
        Picture picture;
        bool mouseTransparent = false;
    };
    Props props_;
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
