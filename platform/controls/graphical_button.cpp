#include "graphical_button.h"

#include "platform/controls/event_widget.h"

#include <QAbstractButton>
#include <QPainter>

#include <utility>

namespace platform {
namespace {

class GraphicalFace : public QAbstractButton {
public:
    // It fills all of itself, so nothing beneath it needs painting first.
    explicit GraphicalFace(QWidget* parent) : QAbstractButton(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    QPixmap pixmap;
    QColor back;
    QColor fore;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), back.isValid() ? back : palette().button().color());
        const QString caption = text();
        const int captionHeight = caption.isEmpty() ? 0 : fontMetrics().height();
        const int contentHeight = pixmap.isNull() ? captionHeight : pixmap.height() + captionHeight;
        const int top = (height() - contentHeight) / 2;
        if (!isEnabled()) painter.setOpacity(0.5);
        if (!pixmap.isNull()) painter.drawPixmap((width() - pixmap.width()) / 2, top, pixmap);
        if (!caption.isEmpty()) {
            painter.setPen(fore.isValid() ? fore : palette().buttonText().color());
            painter.drawText(QRect(0, top + contentHeight - captionHeight, width(), captionHeight), Qt::AlignCenter,
                             caption);
        }
        if (isDown()) painter.fillRect(rect(), QColor(0, 0, 0, 48));
    }
};

using FaceWidget = detail::EventWidget<GraphicalFace>;

}  // namespace

QWidget* GraphicalButton::createWidget(QWidget* parent) {
    auto* face = new FaceWidget(this, parent);
    face->setFocusPolicy(Qt::StrongFocus);
    face->whileOwned(&QAbstractButton::clicked, [this](bool) { raiseClick(); });
    return face;
}

void GraphicalButton::applyProperties() {
    auto* face = as<FaceWidget>();
    face->pixmap = props_.picture.pixmap();
    face->setText(props_.caption);
}

void GraphicalButton::applyColors() {
    auto* face = as<FaceWidget>();
    face->back = backColor();
    face->fore = foreColor();
    face->update();
}

void GraphicalButton::setPicture(Picture picture) {
    props_.picture = std::move(picture);
    auto* face = as<FaceWidget>();
    const QPixmap& pixmap = props_.picture.pixmap();
    if (!face || face->pixmap.cacheKey() == pixmap.cacheKey()) return;  // the same picture: nothing to paint
    face->pixmap = pixmap;
    face->update();
}

void GraphicalButton::setCaption(const QString& caption) {
    props_.caption = caption;
    if (auto* face = as<FaceWidget>()) face->setText(caption);
}

}  // namespace platform
