// Animated kinds 12..21: sea waves, traffic light, wind turbine, pendulum clock,
// butterfly, duck pond, rain cloud, sun, bouncing ball, water wheel.
#include <QPainterPath>

#include "installer/art/animation_kinds.h"

namespace pendix::installer::anim {
namespace {

double frac(double x) { return x - std::floor(x); }

// 12: the sea, crests rolling across the whole tile; the wave length divides the
// tile so neighbouring sea tiles join.
void seaWaves(QPainter& p, double t) {
    QLinearGradient sea(0, 0, 0, 40);
    sea.setColorAt(0, QColor(40, 120, 200));
    sea.setColorAt(1, QColor(20, 80, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawRect(QRectF(0, 0, 40, 40));
    for (int row = 0; row < 4; ++row) {
        const double base = 6 + row * 10;
        const double shift = row % 2 ? 0.5 : 0.0;
        QPainterPath crest;
        for (int x = 0; x <= 40; ++x) {
            const double y = base + 1.8 * std::sin(kTau * (x / 20.0 - t + shift));
            x == 0 ? crest.moveTo(x, y) : crest.lineTo(x, y);
        }
        p.setPen(QPen(QColor(200, 235, 255), 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(crest);
        p.setPen(QPen(QColor(90, 160, 230), 1.0));
        p.drawPath(crest.translated(0, 2));
    }
}

// 13: a traffic light going through red, red and yellow, green, yellow.
void trafficLight(QPainter& p, double t) {
    const int step = int(t * 10);
    const bool red = step <= 4;
    const bool yellow = step == 4 || step == 9;
    const bool green = step >= 5 && step <= 8;
    drawShadow(p, {20, 36}, 4, 1.5);
    p.setPen(QPen(QColor(100, 100, 110), 2.0));
    p.drawLine(QPointF(20, 36), QPointF(20, 27));
    p.setPen(QPen(QColor(20, 20, 20), 0.8));
    p.setBrush(QColor(50, 50, 55));
    p.drawRoundedRect(QRectF(14.5, 3, 11, 25), 3, 3);
    auto lamp = [&](double y, bool on, QColor colour) {
        fillEllipse(p, QPointF(20, y), 3.2, 3.2, on ? colour : colour.darker(380));
        if (on) {
            p.setBrush(QColor(255, 255, 255, 120));
            p.drawEllipse(QPointF(19, y - 1), 1.0, 1.0);
        }
    };
    lamp(8.5, red, QColor(255, 40, 30));
    lamp(15.5, yellow, QColor(255, 200, 20));
    lamp(22.5, green, QColor(40, 230, 80));
}

// 14: a wind turbine, three blades turning a third per loop.
void windTurbine(QPainter& p, double t) {
    drawShadow(p, {20, 36}, 5, 1.5);
    QPolygonF mast;
    mast << QPointF(18.8, 36) << QPointF(21.2, 36) << QPointF(20.5, 13) << QPointF(19.5, 13);
    p.setPen(QPen(QColor(170, 170, 180), 0.5));
    p.setBrush(QColor(245, 245, 250));
    p.drawPolygon(mast);
    const QPointF hub(20, 13);
    for (int k = 0; k < 3; ++k) {
        p.save();
        p.translate(hub);
        p.rotate(120.0 * (t + k));
        QPainterPath blade;
        blade.moveTo(0, -1);
        blade.quadTo(6, -2.2, 13, -0.5);
        blade.lineTo(13, 0.2);
        blade.quadTo(6, 1.5, 0, 1);
        blade.closeSubpath();
        p.setPen(QPen(QColor(160, 160, 170), 0.4));
        p.setBrush(QColor(250, 250, 252));
        p.drawPath(blade);
        p.restore();
    }
    fillEllipse(p, hub, 1.6, 1.6, QColor(200, 40, 40));
}

// 15: a pendulum clock: the pendulum swings once per loop, the second hand goes round.
void pendulumClock(QPainter& p, double t) {
    drawShadow(p, {20, 37}, 8, 1.5);
    p.setPen(QPen(QColor(60, 30, 15), 0.8));
    p.setBrush(QColor(150, 85, 40));
    p.drawRoundedRect(QRectF(12, 3, 16, 34), 3, 3);
    p.setBrush(QColor(60, 30, 15));
    p.drawRect(QRectF(15, 19, 10, 15));
    p.setBrush(QColor(250, 245, 225));
    p.drawEllipse(QPointF(20, 11), 6, 6);
    p.setPen(QPen(QColor(40, 40, 40), 0.6));
    for (int k = 0; k < 12; ++k) {
        const double a = kTau * k / 12;
        p.drawLine(polar({20, 11}, 4.8, a), polar({20, 11}, 5.6, a));
    }
    p.setPen(QPen(QColor(20, 20, 20), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 11), QPointF(22.6, 9.5));
    p.setPen(QPen(QColor(200, 30, 30), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 11), polar({20, 11}, 4.6, kTau * t - std::numbers::pi / 2));
    const double swing = 0.38 * std::sin(kTau * t);
    const QPointF pivot(20, 20);
    const QPointF bob = pivot + QPointF(std::sin(swing), std::cos(swing)) * 11;
    p.setPen(QPen(QColor(220, 180, 60), 0.9));
    p.drawLine(pivot, bob);
    fillEllipse(p, bob, 2.2, 2.2, QColor(240, 200, 60));
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

// 18: a rain cloud; the drops fall in a steady loop and splash on a puddle.
void rainCloud(QPainter& p, double t) {
    fillEllipse(p, QPointF(20, 34), 13, 3.5, QColor(60, 120, 190, 200));
    p.setPen(QPen(QColor(170, 210, 255), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 6; ++k) {
        const double s = frac(t + k * 0.37);
        const double x = 11 + k * 3.6;
        const double y = 14 + s * 19;
        p.drawLine(QPointF(x, y), QPointF(x - 0.6, y + 2.5));
    }
    fillEllipse(p, QPointF(14, 11), 7, 5, QColor(150, 155, 170));
    p.drawEllipse(QPointF(22, 8), 8, 6);
    p.drawEllipse(QPointF(28, 12), 6, 4.5);
    p.setBrush(QColor(180, 185, 200));
    p.drawEllipse(QPointF(20, 12), 11, 4.5);
}

// 19: the sun, its rays turning by one ray per loop and glowing.
void sun(QPainter& p, double t) {
    const QPointF c(20, 20);
    const double pulse = 0.5 + 0.5 * std::sin(kTau * t);
    QRadialGradient halo(c, 19);
    halo.setColorAt(0.3, QColor(255, 240, 120, int(140 + 60 * pulse)));
    halo.setColorAt(1.0, QColor(255, 220, 80, 0));
    fillEllipse(p, c, 19, 19, halo);
    p.setBrush(QColor(255, 190, 30));
    for (int k = 0; k < 12; ++k) {
        const double a = kTau * (k + t) / 12;
        QPolygonF ray;
        ray << polar(c, 9, a - 0.16) << polar(c, 15 + 2 * pulse, a) << polar(c, 9, a + 0.16);
        p.drawPolygon(ray);
    }
    QRadialGradient disc(c + QPointF(-2, -2), 10);
    disc.setColorAt(0, QColor(255, 250, 170));
    disc.setColorAt(1, QColor(255, 190, 20));
    p.setBrush(disc);
    p.drawEllipse(c, 9, 9);
    p.setBrush(QColor(120, 70, 10));
    p.drawEllipse(QPointF(17, 18.5), 1.0, 1.2);
    p.drawEllipse(QPointF(23, 18.5), 1.0, 1.2);
    p.setPen(QPen(QColor(120, 70, 10), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(16, 18, 8, 6), 200 * 16, 140 * 16);
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
    const QColor segments[] = {QColor(230, 40, 40), QColor(255, 255, 255), QColor(40, 110, 230),
                               QColor(255, 255, 255), QColor(250, 210, 30), QColor(255, 255, 255)};
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

// 21: a mill wheel on a brook, eight paddles turning one paddle per loop.
void waterWheel(QPainter& p, double t) {
    p.setPen(Qt::NoPen);
    QLinearGradient brook(0, 28, 0, 40);
    brook.setColorAt(0, QColor(70, 160, 230));
    brook.setColorAt(1, QColor(30, 100, 200));
    p.setBrush(brook);
    p.drawRect(QRectF(0, 29, 40, 11));
    p.setPen(QPen(QColor(200, 235, 255), 0.8));
    for (int k = 0; k < 3; ++k) {
        const double x = frac(t + k / 3.0) * 40;
        p.drawLine(QPointF(x, 35 + k), QPointF(x + 4, 35 + k));
    }
    const QPointF c(20, 20);
    const double turn = kTau * t / 8;
    p.setPen(QPen(QColor(100, 60, 25), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 11, 11);
    p.drawEllipse(c, 5, 5);
    for (int k = 0; k < 8; ++k) {
        const double a = turn + kTau * k / 8;
        p.drawLine(polar(c, 5, a), polar(c, 11, a));
        p.save();
        p.translate(polar(c, 12, a));
        p.rotate(a * 180 / std::numbers::pi);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 95, 45));
        p.drawRect(QRectF(-2, -1.8, 4, 3.6));
        p.restore();
        p.setPen(QPen(QColor(100, 60, 25), 1.2));
    }
    fillEllipse(p, c, 2, 2, QColor(80, 50, 20));
    p.setBrush(QColor(230, 245, 255, 200));
    for (int k = 0; k < 3; ++k) {
        const double s = frac(t * 2 + k / 3.0);
        p.drawEllipse(QPointF(28 + 5 * s, 30 - 4 * std::sin(std::numbers::pi * s)), 0.9, 0.9);
    }
}

}  // namespace

const std::array<KindPainter, 10> kKindsTwelveToTwentyOne{seaWaves,  trafficLight, windTurbine, pendulumClock,
                                                          butterfly, duckPond,     rainCloud,   sun,
                                                          bouncingBall, waterWheel};

}  // namespace pendix::installer::anim
