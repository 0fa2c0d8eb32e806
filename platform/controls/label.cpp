#include "label.h"

#include "platform/controls/event_widget.h"

#include <QLabel>

namespace platform {

Qt::Alignment qtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* Label::createWidget(QWidget* parent) {
    auto* label = new detail::EventWidget<QLabel>(this, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Label::applyProperties() {
    auto* label = as<QLabel>();
    label->setText(props_.caption);
    label->setAlignment(qtAlignment(props_.alignment));
    label->setWordWrap(props_.wordWrap);
    label->setCursor(props_.mousePointer);
}

void Label::setCaption(const QString& caption) {
    props_.caption = caption;
    if (auto* label = as<QLabel>()) label->setText(caption);
}

void Label::setAlignment(Alignment alignment) {
    props_.alignment = alignment;
    if (auto* label = as<QLabel>()) label->setAlignment(qtAlignment(alignment));
}

void Label::setWordWrap(bool on) {
    props_.wordWrap = on;
    if (auto* label = as<QLabel>()) label->setWordWrap(on);
}

void Label::setMousePointer(const QCursor& pointer) {
    props_.mousePointer = pointer;
    if (auto* label = as<QLabel>()) label->setCursor(pointer);
}

}  // namespace platform
