#include "picture_box.h"

#include "platform/controls/event_widget.h"

#include <QLabel>

namespace platform {

QWidget* PictureControl::createWidget(QWidget* parent) {
    auto* label = new detail::EventWidget<QLabel>(this, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void PictureControl::applyProperties() {
    auto* label = as<QLabel>();
    label->setPixmap(props_.picture.pixmap());
    label->setAttribute(Qt::WA_TransparentForMouseEvents, props_.mouseTransparent);
}

void PictureControl::setPicture(const Picture& picture) {
    props_.picture = picture;
    if (auto* label = as<QLabel>()) {
        if (picture.isEmpty())
            label->clear();
        else
            label->setPixmap(picture.pixmap());
    }
}

void PictureControl::setMouseTransparent(bool transparent) {
    props_.mouseTransparent = transparent;
    if (auto* label = as<QLabel>()) label->setAttribute(Qt::WA_TransparentForMouseEvents, transparent);
}

void Image::applyColors() {
    // An image has no back colour of its own: the window shows through.
    as<QLabel>()->setAutoFillBackground(false);
}

}  // namespace platform
