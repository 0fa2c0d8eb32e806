// The animated fairground: ferris wheel (2), carousel (7), bouncing ball (20).
#include "installer/art/animation_kinds.h"

namespace pendix::installer::anim {

// 2: a ferris wheel; eight gondolas in two colours, turned by two places per loop.
void ferrisWheel(QPainter& p, double t) {
    const QPointF c(20, 17);
    p.setPen(QPen(QColor(90, 90, 100), 1.6));
    p.drawLine(c, QPointF(11, 36));
    p.drawLine(c, QPointF(29, 36));
    p.setPen(QPen(QColor(230, 230, 240), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 13, 13);
    const double turn = kTau * t / 4;
    for (int k = 0; k < 8; ++k) p.drawLine(c, polar(c, 13, turn + kTau * k / 8));
    for (int k = 0; k < 8; ++k) {
        const QPointF g = polar(c, 13, turn + kTau * k / 8);
        p.setPen(QPen(QColor(40, 40, 40), 0.5));
        p.setBrush(k % 2 ? QColor(240, 200, 40) : QColor(220, 50, 50));
        p.drawRoundedRect(QRectF(g.x() - 2.3, g.y(), 4.6, 3.6), 1, 1);
    }
    fillEllipse(p, c, 2, 2, QColor(70, 70, 80));
}

// 7: a carousel seen from above, its striped canopy turning one stripe per loop.
void carousel(QPainter& p, double t) {
    const QPointF c(20, 20);
    drawShadow(p, {21, 22}, 16, 15);
    const double turn = 360.0 * t / 6;  // six stripes of two colours: one pair repeats every 60 degrees
    for (int k = 0; k < 12; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(k % 2 ? QColor(250, 250, 240) : QColor(220, 40, 60));
        p.drawPie(QRectF(c.x() - 15, c.y() - 15, 30, 30), int((turn + k * 30) * 16), 30 * 16);
    }
    p.setPen(QPen(QColor(240, 200, 60), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 15, 15);
    for (int k = 0; k < 6; ++k) {
        fillEllipse(p, polar(c, 15, -(turn + k * 60 + 15) * std::numbers::pi / 180), 1.3, 1.3, QColor(250, 220, 70));
    }
    p.setBrush(QColor(240, 200, 60));
    p.drawEllipse(c, 3, 3);
    p.setBrush(QColor(200, 30, 40));
    p.drawEllipse(c, 1.4, 1.4);
}

// 20: a beach ball bouncing, squashed as it lands, its shadow growing.
void bouncingBall(QPainter& p, double t) {
    const double height = std::abs(std::sin(std::numbers::pi * t));  // 0 on the ground at t = 0
    const double squash = height < 0.15 ? 1.0 - (0.15 - height) : 1.0;
    const double y = 31 - 20 * height;
    drawShadow(p, {20, 36}, 6 + 3 * (1 - height), 1.8);
    p.save();
    p.translate(20, y + 6 * (1 - squash));
    p.scale(1.0 / squash, squash);
    const QColor segments[] = {QColor(230, 40, 40),   QColor(255, 255, 255), QColor(40, 110, 230),
                               QColor(255, 255, 255), QColor(250, 210, 30),  QColor(255, 255, 255)};
    for (int k = 0; k < 6; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(segments[k]);
        p.drawPie(QRectF(-6, -6, 12, 12), int((k * 60 + 360 * t) * 16), 60 * 16);
    }
    p.setPen(QPen(QColor(60, 60, 60), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 6, 6);
    p.restore();
}

}  // namespace pendix::installer::anim
