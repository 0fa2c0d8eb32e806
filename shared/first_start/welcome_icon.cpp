#include "welcome_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace pendix {

// A box with an arrow into it, in the few plain colours of a classic 16-colour icon.
platform::Picture welcomeIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 64, 0), 1.5));
    painter.setBrush(QColor(0, 128, 0));
    painter.drawRoundedRect(QRectF(3.5, 15.5, 25, 14), 2, 2);

    QPainterPath arrow;
    arrow.moveTo(13, 2);
    arrow.lineTo(19, 2);
    arrow.lineTo(19, 12);
    arrow.lineTo(24, 12);
    arrow.lineTo(16, 22);
    arrow.lineTo(8, 12);
    arrow.lineTo(13, 12);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(128, 64, 0), 1.5));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawPath(arrow);
    painter.end();
    return platform::drawnPicture(QStringLiteral("frmBeginn.Icon"), pixmap);
}

}  // namespace pendix
