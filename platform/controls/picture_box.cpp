#include "picture_box.h"

#include "platform/controls/event_widget.h"

#include <QPainter>

#include <utility>

namespace platform {
namespace {

// A plain widget rather than a label: the board has 400 of them, and a label
// costs several times as much to make, to show and to keep up with its font.
class PictureFace : public QWidget {
public:
    explicit PictureFace(QWidget* parent) : QWidget(parent) {}

    void setPixmap(const QPixmap& pixmap) {
        if (pixmap.cacheKey() == pixmap_.cacheKey()) return;  // the same picture: nothing to paint again
        pixmap_ = pixmap;
        update();
    }
    // What the picture leaves is filled with `back`; an invalid colour lets what
    // lies beneath show through.
    void setBack(const QColor& back) {
        if (back == back_) return;
        back_ = back;
        setAttribute(Qt::WA_OpaquePaintEvent, back.isValid());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (back_.isValid()) painter.fillRect(rect(), back_);
        if (!pixmap_.isNull()) painter.drawPixmap(0, 0, pixmap_);
    }

private:
    QPixmap pixmap_;
    QColor back_;
};

using FaceWidget = detail::EventWidget<PictureFace>;

}  // namespace

QWidget* PictureControl::createWidget(QWidget* parent) { return new FaceWidget(this, parent); }

void PictureControl::applyProperties() {
    auto* face = as<FaceWidget>();
    face->setPixmap(props_.picture.pixmap());
    face->setAttribute(Qt::WA_TransparentForMouseEvents, props_.mouseTransparent);
}

void PictureControl::setPicture(Picture picture) {
    props_.picture = std::move(picture);
    if (auto* face = as<FaceWidget>()) {
        face->setPixmap(props_.picture.pixmap());
        fillBack();
    }
}

void PictureControl::setClearWhenEmpty(bool clear) {
    props_.clearWhenEmpty = clear;
    if (as<FaceWidget>()) fillBack();
}

// The face paints its own back colour: no palette needed.
void PictureControl::applyColors() { fillBack(); }

void PictureControl::fillBack() {
    // An image lets the window show through; so does a mark without a picture.
    const bool fills = fillsBack() && !(props_.clearWhenEmpty && props_.picture.isEmpty());
    as<FaceWidget>()->setBack(fills ? backColor() : QColor());
}

void PictureControl::setMouseTransparent(bool transparent) {
    props_.mouseTransparent = transparent;
    if (auto* face = as<FaceWidget>()) face->setAttribute(Qt::WA_TransparentForMouseEvents, transparent);
}

}  // namespace platform
