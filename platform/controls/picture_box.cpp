#include "picture_box.h"

#include "platform/controls/event_widget.h"

#include <QLabel>

namespace platform {

QWidget* PictureControl::createWidget(QWidget* parent) {
    auto* label = new detail::EventWidget<QLabel>(this, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void PictureControl::applyProperties() { as<QLabel>()->setPixmap(picture_.pixmap()); }

void PictureControl::setPicture(const Picture& picture) {
    picture_ = picture;
    if (auto* label = as<QLabel>()) {
        if (picture.isEmpty())
            label->clear();
        else
            label->setPixmap(picture.pixmap());
    }
}

void Image::applyColors() {
    // An image has no back colour of its own: the window shows through.
    as<QLabel>()->setAutoFillBackground(false);
}

}  // namespace platform
