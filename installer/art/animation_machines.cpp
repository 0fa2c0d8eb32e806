// Animated machines and signals: windmill (1), lighthouse (6), turning sign (9),
// traffic light (13), wind turbine (14), pendulum clock (15), water wheel (21).
#include "installer/art/animation_kinds.h"

#include <QPainterPath>

namespace pendix::installer::anim {

// 1: a windmill whose four sails turn a quarter per loop.
void windmill(QPainter& p, double t) {
    drawShadow(p, {20, 36}, 10, 2.5);
    p.setPen(QPen(QColor(90, 60, 40), 0.8));
    p.setBrush(QColor(235, 225, 205));
    QPolygonF tower;
    tower << QPointF(14, 36) << QPointF(26, 36) << QPointF(23, 15) << QPointF(17, 15);
    p.drawPolygon(tower);
    p.setBrush(QColor(150, 60, 40));
    QPolygonF cap;
    cap << QPointF(15.5, 16) << QPointF(24.5, 16) << QPointF(20, 10);
    p.drawPolygon(cap);
    p.setBrush(QColor(110, 70, 40));
    p.drawRect(QRectF(18.5, 29, 3, 7));
    const QPointF hub(20, 14);
    for (int k = 0; k < 4; ++k) {
        const double a = kTau * (t / 4 + k / 4.0);
        p.save();
        p.translate(hub);
        p.rotate(a * 180 / std::numbers::pi);
        p.setPen(QPen(QColor(90, 60, 40), 1.0));
        p.drawLine(QPointF(0, 0), QPointF(14, 0));
        p.setPen(QPen(QColor(120, 90, 60), 0.5));
        p.setBrush(QColor(250, 245, 235, 230));
        p.drawRect(QRectF(4, 0.5, 10, 3.5));
        p.restore();
    }
    fillEllipse(p, hub, 1.5, 1.5, QColor(60, 40, 30));
}

// 6: a lighthouse; its lamp turns once per loop, flashing as it faces the viewer.
void lighthouse(QPainter& p, double t) {
    drawShadow(p, {20, 36}, 8, 2);
    const QPointF lamp(20, 8);
    const double facing = std::cos(kTau * t);  // 1: the lamp looks at the viewer
    const double side = std::sin(kTau * t);
    p.setPen(Qt::NoPen);
    for (double dir : {1.0, -1.0}) {  // the lamp throws light both ways
        const double reach = 19 * side * dir;
        if (std::abs(reach) < 2) continue;
        QPolygonF ray;
        ray << lamp << QPointF(20 + reach, 8 - 4.5) << QPointF(20 + reach, 8 + 4.5);
        p.setBrush(QColor(255, 248, 160, dir > 0 ? 170 : 90));
        p.drawPolygon(ray);
    }
    QRadialGradient flash(lamp, 9);
    flash.setColorAt(0, QColor(255, 255, 210, int(230 * std::max(0.0, facing))));
    flash.setColorAt(1, QColor(255, 240, 120, 0));
    p.setBrush(flash);
    p.drawEllipse(lamp, 9, 9);
    QPolygonF tower;
    tower << QPointF(15, 36) << QPointF(25, 36) << QPointF(23, 11) << QPointF(17, 11);
    p.setPen(QPen(QColor(80, 80, 80), 0.6));
    p.setBrush(Qt::white);
    p.drawPolygon(tower);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    for (double y : {15.0, 25.0}) {
        const double w0 = 3.0 + (y - 11) * 2.0 / 25, w1 = 3.0 + (y + 5 - 11) * 2.0 / 25;
        QPolygonF band;
        band << QPointF(20 - w0, y) << QPointF(20 + w0, y) << QPointF(20 + w1, y + 5) << QPointF(20 - w1, y + 5);
        p.drawPolygon(band);
    }
    p.setBrush(QColor(40, 40, 50));
    p.drawRect(QRectF(16, 10, 8, 1.5));
    const double glow = 0.5 + 0.5 * std::max(0.0, facing);
    p.setBrush(QColor(255, int(190 + 65 * glow), int(60 + 150 * glow)));
    p.drawRect(QRectF(17.5, 6, 5, 4));
    p.setBrush(QColor(200, 30, 30));
    QPolygonF roof;
    roof << QPointF(16.5, 6) << QPointF(23.5, 6) << QPointF(20, 2.5);
    p.drawPolygon(roof);
}

// 9: a parking sign turning on its post; both faces alike, half a turn per loop.
void turningSign(QPainter& p, double t) {
    drawShadow(p, {20, 36}, 4, 1.5);
    p.setPen(QPen(QColor(150, 150, 160), 2.0));
    p.drawLine(QPointF(20, 36), QPointF(20, 20));
    const double width = std::cos(std::numbers::pi * t);  // turns edge-on at t = 0.5
    const double half = 10.0 * std::abs(width);
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(QColor(20, 80, 190).darker(int(100 + 60 * (1 - std::abs(width)))));
    p.drawRoundedRect(QRectF(20 - std::max(0.8, half), 4, 2 * std::max(0.8, half), 18), 2, 2);
    if (half > 2.0) {
        p.save();
        p.translate(20, 13);
        p.scale(std::abs(width), 1.0);
        QPainterPath letter;  // a bold "P"
        letter.addRect(QRectF(-4.5, -6, 2.8, 12));
        QPainterPath bowl;
        bowl.moveTo(-2, -6);
        bowl.lineTo(1, -6);
        bowl.arcTo(QRectF(-2.5, -6, 7.5, 7.5), 90, -180);
        bowl.lineTo(-2, 1.5);
        bowl.lineTo(-2, -1.2);
        bowl.lineTo(1.2, -1.2);
        bowl.arcTo(QRectF(-0.4, -3.6, 2.6, 2.6), 270, 180);
        bowl.lineTo(-2, -3.6);
        bowl.closeSubpath();
        letter.addPath(bowl);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(letter);
        p.restore();
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

}  // namespace pendix::installer::anim
