// Animated animals: fish pond (10), birds (11), butterfly (16), duck pond (17).
#include "installer/art/animation_kinds.h"

#include <QPainterPath>

namespace pendix::installer::anim {

namespace {

void drawFish(QPainter& p, QPointF at, double heading, double wag, QColor colour) {
    p.save();
    p.translate(at);
    p.rotate(heading * 180 / std::numbers::pi);
    fillEllipse(p, QPointF(0, 0), 3.6, 1.8, colour);
    QPolygonF tail;
    tail << QPointF(-3, 0) << QPointF(-6, -2 + wag) << QPointF(-6, 2 + wag);
    p.drawPolygon(tail);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(2.2, -0.5), 0.5, 0.5);
    p.restore();
}

}  // namespace

// 10: two goldfish circling in a pond.
void fishPond(QPainter& p, double t) {
    drawPond(p, QRectF(3, 5, 34, 30));
    for (int k = 0; k < 2; ++k) {
        const double a = kTau * (t + k * 0.5);
        const QPointF at(20 + 10 * std::cos(a), 20 + 8 * std::sin(a));
        const double heading = std::atan2(8 * std::cos(a), -10 * std::sin(a));
        drawFish(p, at, heading, 1.2 * std::sin(kTau * t * 4 + k), k ? QColor(250, 140, 30) : QColor(240, 90, 40));
    }
    p.setPen(QPen(QColor(255, 255, 255, 110), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 9, 8, 4), 30 * 16, 120 * 16);
    fillEllipse(p, QPointF(29, 28), 3.2, 2.4, QColor(40, 150, 60));
}

// 11: three birds flapping along a circle, their shadows on the grass.
void birds(QPainter& p, double t) {
    for (int k = 0; k < 3; ++k) {
        const double a = kTau * (t + k / 3.0);
        const QPointF at(20 + 10 * std::cos(a), 17 + 8 * std::sin(a));
        const double flap = std::sin(kTau * (t * 3 + k * 0.3));
        drawShadow(p, at + QPointF(2, 11), 3.5, 1.2);
        p.setPen(QPen(QColor(30, 30, 40), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath bird;
        bird.moveTo(at + QPointF(-6.5, -3.5 * flap));
        bird.quadTo(at + QPointF(-3, -3.5 * flap - 1.5), at);
        bird.quadTo(at + QPointF(3, -3.5 * flap - 1.5), at + QPointF(6.5, -3.5 * flap));
        p.drawPath(bird);
        fillEllipse(p, at, 1.3, 1.1, QColor(30, 30, 40));
    }
}

// 16: a butterfly fluttering in a figure of eight above some flowers.
void butterfly(QPainter& p, double t) {
    const QColor blooms[] = {QColor(240, 60, 80), QColor(250, 220, 60), QColor(250, 250, 250)};
    for (int k = 0; k < 3; ++k) {
        const QPointF f(9 + k * 11, 33 - (k % 2) * 3);
        p.setPen(QPen(QColor(30, 100, 30), 1.0));
        p.drawLine(f, f + QPointF(0, 5));
        p.setPen(Qt::NoPen);
        p.setBrush(blooms[k]);
        for (int j = 0; j < 5; ++j) p.drawEllipse(polar(f, 1.8, kTau * j / 5), 1.4, 1.4);
        p.setBrush(QColor(250, 180, 20));
        p.drawEllipse(f, 1.0, 1.0);
    }
    const QPointF at(20 + 9 * std::sin(kTau * t), 15 + 5 * std::sin(2 * kTau * t));
    const double open = std::abs(std::cos(kTau * t * 2));
    p.save();
    p.translate(at);
    p.rotate(10 * std::cos(kTau * t));
    for (double side : {-1.0, 1.0}) {
        p.setPen(QPen(QColor(60, 30, 0), 0.5));
        p.setBrush(QColor(250, 140, 20));
        p.drawEllipse(QPointF(side * 3.2 * open, -1.8), 3.4 * open + 0.4, 3.0);
        p.setBrush(QColor(240, 90, 20));
        p.drawEllipse(QPointF(side * 2.4 * open, 2.2), 2.4 * open + 0.3, 2.0);
    }
    p.setPen(QPen(QColor(30, 20, 10), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -3), QPointF(0, 3.5));
    p.restore();
}

// 17: a duck swimming round its pond, leaving rings behind.
void duckPond(QPainter& p, double t) {
    drawPond(p, QRectF(3, 6, 34, 29));
    const double a = kTau * t;
    const QPointF at(20 + 9 * std::cos(a), 20.5 + 7 * std::sin(a));
    const bool right = std::sin(a) < 0;  // heading of the duck along the circle, seen from the side
    p.setPen(QPen(QColor(220, 240, 255, 150), 0.7));
    p.setBrush(Qt::NoBrush);
    for (int k = 1; k <= 2; ++k) {
        const QPointF trail(20 + 9 * std::cos(a - 0.5 * k), 20.5 + 7 * std::sin(a - 0.5 * k));
        p.drawEllipse(trail + QPointF(0, 2), 2.0 + k, 1.0 + 0.5 * k);
    }
    p.save();
    p.translate(at);
    if (!right) p.scale(-1, 1);
    fillEllipse(p, QPointF(0, 0), 4.5, 2.8, QColor(250, 250, 245));
    p.drawEllipse(QPointF(3.2, -3.2), 2.0, 2.0);
    p.setBrush(QColor(250, 160, 20));
    QPolygonF beak;
    beak << QPointF(4.8, -3.6) << QPointF(7.2, -3.0) << QPointF(4.8, -2.4);
    p.drawPolygon(beak);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(3.7, -3.8), 0.45, 0.45);
    p.restore();
}

}  // namespace pendix::installer::anim
