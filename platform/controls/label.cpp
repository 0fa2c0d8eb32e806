#include "label.h"

#include "platform/controls/event_widget.h"

#include <QEvent>
#include <QLabel>

namespace platform {
namespace {

// Wraps only where the box has room for a second line: a one-line label whose
// caption is a little wider in the installed font than in the design font keeps
// it on one line instead of showing half of a second one.
class CaptionLabel : public detail::EventWidget<QLabel> {
public:
    using EventWidget::EventWidget;
    void setWanted(bool wrap) {
        wanted_ = wrap;
        decide();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        EventWidget::resizeEvent(event);
        decide();
    }
    void changeEvent(QEvent* event) override {
        EventWidget::changeEvent(event);
        if (event->type() == QEvent::FontChange) decide();
    }

private:
    void decide() { setWordWrap(wanted_ && height() >= 2 * fontMetrics().lineSpacing()); }
    bool wanted_ = true;
};

}  // namespace

Qt::Alignment qtAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Right: return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Center: return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* Label::createWidget(QWidget* parent) {
    auto* label = new CaptionLabel(this, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void Label::applyProperties() {
    auto* label = as<QLabel>();
    label->setText(props_.caption);
    label->setAlignment(qtAlignment(props_.alignment));
    static_cast<CaptionLabel*>(label)->setWanted(props_.wordWrap);
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
    if (auto* label = as<CaptionLabel>()) label->setWanted(on);
}

void Label::setMousePointer(const QCursor& pointer) {
    props_.mousePointer = pointer;
    if (auto* label = as<QLabel>()) label->setCursor(pointer);
}

}  // namespace platform
