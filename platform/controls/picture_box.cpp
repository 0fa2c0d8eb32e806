#include "picture_box.h"

#include "platform/controls/event_widget.h"

#include <QImage>
#include <QPainter>

#include <utility>

namespace platform {
namespace {

// The picture with its pixels of colour `key` made see-through; the picture itself
// when none has it. Made once per picture shown, never per paint.
QPixmap withKeyClear(const QPixmap& pixmap, const QColor& key) {
    if (pixmap.isNull() || !key.isValid()) return pixmap;
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb keyed = key.rgb();  // opaque: a pixel already see-through stays as it is
    bool any = false;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == keyed) {
                line[x] = 0;
                any = true;
            }
    }
    return any ? QPixmap::fromImage(std::move(image)) : pixmap;
}

// A plain widget rather than a label: the board has 400 of them, and a label
// costs several times as much to make, to show and to keep up with its font.
class PictureFace : public QWidget {
public:
    explicit PictureFace(QWidget* parent) : QWidget(parent) {}

    void setPixmap(const QPixmap& pixmap) {
        if (pixmap.cacheKey() == pixmap_.cacheKey()) return;  // the same picture: nothing to paint again
        pixmap_ = pixmap;
        shown_ = withKeyClear(pixmap_, key_);
        update();
    }
    // What the picture leaves is filled with `back`; an invalid colour lets what
    // lies beneath show through. The picture's pixels of colour `key`, when it is
    // valid, let it show through too.
    void setLook(const QColor& back, const QColor& key) {
        if (back == back_ && key == key_) return;
        back_ = back;
        if (key != key_) {
            key_ = key;
            shown_ = withKeyClear(pixmap_, key_);
        }
        setAttribute(Qt::WA_OpaquePaintEvent, back.isValid());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (back_.isValid()) painter.fillRect(rect(), back_);
        if (!shown_.isNull()) painter.drawPixmap(0, 0, shown_);
    }

private:
    QPixmap pixmap_;  // as the picture holds it
    QPixmap shown_;   // as it is drawn: its key colour cleared
    QColor back_;
    QColor key_;
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
    if (auto* face = as<FaceWidget>()) face->setPixmap(props_.picture.pixmap());
}

void PictureControl::setSeeThroughBack(bool seeThrough) {
    props_.seeThroughBack = seeThrough;
    if (as<FaceWidget>()) applyLook();
}

// The face paints its own back colour: no palette needed.
void PictureControl::applyColors() { applyLook(); }

void PictureControl::applyLook() {
    auto* face = as<FaceWidget>();
    if (!fillsBack()) {
        face->setLook({}, {});  // an image lets the window show through around its picture
    } else if (props_.seeThroughBack) {
        face->setLook({}, backColor());  // a mark: its back colour is where what lies beneath shows
    } else {
        face->setLook(backColor(), {});
    }
}

void PictureControl::setMouseTransparent(bool transparent) {
    props_.mouseTransparent = transparent;
    if (auto* face = as<FaceWidget>()) face->setAttribute(Qt::WA_TransparentForMouseEvents, transparent);
}

}  // namespace platform
