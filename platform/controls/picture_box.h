#pragma once
// Controls that show a picture at their top left corner, unscaled and without a
// border: the picture box fills the rest with its back colour, the image control
// lets the window show through. Both raise Click and DblClick from the mouse,
// unless made transparent for the mouse: then presses, releases and clicks go to
// whatever lies beneath (the board's tile buttons under their overlays). A picture
// box that is a mark over other controls (the board's overlays) may be told to
// show what lies beneath wherever it would show its back colour: all of it while
// it has no picture, and the pixels of its picture that have the back colour, so
// that the car sits on its street rather than in a box.
#include "platform/controls/control.h"
#include "platform/picture.h"

namespace platform {

class PictureControl : public Control {
public:
    const Picture& picture() const { return props_.picture; }
    void setPicture(Picture picture);  // by value: a picture just loaded is moved in
    bool mouseTransparent() const { return props_.mouseTransparent; }
    void setMouseTransparent(bool transparent);
    bool seeThroughBack() const { return props_.seeThroughBack; }
    void setSeeThroughBack(bool seeThrough);

protected:
    PictureControl() = default;
    void applyColors() override;
    // A picture box fills what its picture leaves with its back colour; an image never does.
    virtual bool fillsBack() const { return true; }
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override { props_ = Props{}; }
    int mouseClicks() const override { return MouseClick | MouseDblClick; }

private:
    struct Props {
        Picture picture;
        bool mouseTransparent = false;
        bool seeThroughBack = false;
    };
    void applyLook();
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
    bool fillsBack() const override { return false; }
};

}  // namespace platform
