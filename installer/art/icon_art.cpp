#include "installer/art/icon_art.h"

#include "installer/art/palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace pendix::installer {
namespace {

using namespace art;

constexpr int kFrames = 15;

void drawWheel(QPainter& p, QPointF at, double turn) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 25));
    p.drawEllipse(at, 4.2, 4.2);
    p.setBrush(QColor(190, 190, 195));
    p.drawEllipse(at, 2.3, 2.3);
    p.setPen(QPen(QColor(70, 70, 75), 0.9));
    for (int k = 0; k < 4; ++k) {
        const double a = turn + k * std::numbers::pi / 2;
        p.drawLine(at, at + QPointF(std::cos(a), std::sin(a)) * 2.3);
    }
}

}  // namespace

QImage iconFrame(int frame) {
    const double t = double((frame - 1) % kFrames) / kFrames;  // 0 <= t < 1, one loop
    QImage img(kIconSize, kIconSize, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // The road with its dashes sliding backwards, one dash period per loop.
    p.setPen(Qt::NoPen);
    p.setBrush(kAsphalt);
    p.drawRoundedRect(QRectF(0, 25, 32, 6), 2, 2);
    p.setBrush(kLaneMark);
    const double shift = t * 8.0;
    for (double x = -8.0 - shift + 8.0; x < 34.0; x += 8.0) p.drawRect(QRectF(x, 27.5, 4.0, 1.2));

    // The car bobs a little on its springs.
    const double bob = 0.6 * std::sin(2 * std::numbers::pi * t * 3);
    p.translate(0, bob);
    QPainterPath body;
    body.moveTo(2, 22);
    body.lineTo(2, 17);
    body.quadTo(2, 14.5, 5, 14);
    body.lineTo(9, 13.5);
    body.lineTo(13, 8.5);
    body.quadTo(14, 7.5, 16, 7.5);
    body.lineTo(22, 7.5);
    body.quadTo(23.5, 7.5, 24.5, 9);
    body.lineTo(27.5, 13.5);
    body.quadTo(30.5, 14.2, 30.5, 17);
    body.lineTo(30.5, 22);
    body.closeSubpath();
    QLinearGradient paint(0, 7, 0, 22);
    paint.setColorAt(0.0, QColor(250, 90, 80));
    paint.setColorAt(1.0, QColor(170, 16, 22));
    p.setPen(QPen(QColor(90, 8, 12), 0.9));
    p.setBrush(paint);
    p.drawPath(body);

    // Windows, headlight and tail light (the car drives to the right).
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 220, 255));
    QPolygonF front;
    front << QPointF(19.5, 9) << QPointF(22, 9) << QPointF(25.5, 13.5) << QPointF(19.5, 13.5);
    p.drawPolygon(front);
    QPolygonF back;
    back << QPointF(13.8, 9) << QPointF(18.3, 9) << QPointF(18.3, 13.5) << QPointF(10.8, 13.5);
    p.drawPolygon(back);
    p.setBrush(QColor(255, 245, 170));
    p.drawEllipse(QPointF(29.4, 16.5), 1.1, 1.3);
    p.setBrush(QColor(120, 0, 0));
    p.drawRect(QRectF(2, 16, 1.3, 2.2));

    p.translate(0, -bob);
    const double turn = t * std::numbers::pi / 2 * 3;  // three quarter turns of the four spokes per loop
    drawWheel(p, QPointF(8.5, 22.5), turn);
    drawWheel(p, QPointF(24.5, 22.5), turn);

    // Speed lines behind the car, fading in and out with the loop.
    const double fade = 0.5 + 0.5 * std::sin(2 * std::numbers::pi * t);
    p.setPen(QPen(QColor(255, 255, 255, int(90 + 120 * fade)), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0.5, 12), QPointF(0.5 + 2.5 * fade + 1, 12));
    p.drawLine(QPointF(0.5, 19.5), QPointF(0.5 + 2.0 * fade + 1, 19.5));
    return img;
}

}  // namespace pendix::installer
