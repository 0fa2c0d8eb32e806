// Animated kinds 1..11: windmill, ferris wheel, flag, campfire, fountain,
// lighthouse, carousel, chimney smoke, turning sign, fish pond, birds.
#include <QPainterPath>

#include "installer/art/animation_kinds.h"

namespace pendix::installer::anim {
namespace {

double frac(double x) { return x - std::floor(x); }

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

// 3: a black, red and gold flag waving on its pole.
void flag(QPainter& p, double t) {
    drawShadow(p, {11, 36}, 4, 1.5);
    p.setPen(QPen(QColor(120, 120, 130), 1.6));
    p.drawLine(QPointF(10, 36), QPointF(10, 5));
    fillEllipse(p, QPointF(10, 4.5), 1.4, 1.4, QColor(230, 200, 60));
    const QColor bands[] = {QColor(20, 20, 20), QColor(220, 20, 20), QColor(250, 204, 0)};
    const double left = 11, right = 33, top = 6, height = 13;
    for (double x = left; x < right; x += 1.0) {
        auto wave = [&](double xx) { return 2.0 * std::sin(kTau * ((xx - left) / 18.0 - t)) * (xx - left) / (right - left); };
        const double y0 = wave(x), y1 = wave(x + 1.0);
        const double shade = 1.0 + 0.18 * std::cos(kTau * ((x - left) / 18.0 - t));
        for (int b = 0; b < 3; ++b) {
            QPolygonF strip;
            const double bt = top + b * height / 3, bb = top + (b + 1) * height / 3;
            strip << QPointF(x, bt + y0) << QPointF(x + 1.05, bt + y1) << QPointF(x + 1.05, bb + y1) << QPointF(x, bb + y0);
            p.setBrush(b == 0 ? bands[b].lighter(int(100 + 60 * (shade - 1) * 4)) : bands[b].darker(int(100 / shade)));
            p.drawPolygon(strip);
        }
    }
}

// 4: a campfire with flickering tongues and rising sparks.
void campfire(QPainter& p, double t) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 120));
    for (int k = 0; k < 8; ++k) p.drawEllipse(polar({20, 31}, 9, kTau * k / 8), 2.4, 1.8);
    p.setPen(QPen(QColor(110, 64, 30), 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 34), QPointF(27, 28));
    p.drawLine(QPointF(13, 28), QPointF(27, 34));
    const QColor colours[] = {QColor(230, 60, 20), QColor(250, 150, 20), QColor(255, 230, 90)};
    for (int layer = 0; layer < 3; ++layer) {
        for (int k = 0; k < 3; ++k) {
            const double phase = kTau * (t + k * 0.37 + layer * 0.21);
            const double h = (17 - layer * 5) * (0.8 + 0.2 * std::sin(phase));
            const double x = 20 + (k - 1) * (4.5 - layer * 1.2) + 0.8 * std::sin(phase * 2);
            const double w = 4.2 - layer * 1.0;
            QPainterPath tongue;
            tongue.moveTo(x - w, 31);
            tongue.quadTo(x - w, 31 - h * 0.5, x + 0.6 * std::sin(phase), 31 - h);
            tongue.quadTo(x + w, 31 - h * 0.5, x + w, 31);
            tongue.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(colours[layer]);
            p.drawPath(tongue);
        }
    }
    p.setBrush(QColor(255, 220, 120));
    for (int k = 0; k < 3; ++k) {
        const double s = frac(t + k / 3.0);
        p.drawEllipse(QPointF(16 + 4 * k + 2 * std::sin(kTau * s), 14 - 12 * s), 0.8, 0.8);
    }
}

// 5: a fountain: jets of drops along arcs, rings spreading in the basin.
void fountain(QPainter& p, double t) {
    const QPointF c(20, 26);
    p.setPen(QPen(QColor(170, 170, 165), 2.4));
    QRadialGradient water(c, 14);
    water.setColorAt(0, QColor(120, 200, 250));
    water.setColorAt(1, QColor(40, 120, 210));
    p.setBrush(water);
    p.drawEllipse(c, 15, 9);
    p.setPen(QPen(QColor(220, 240, 255, 180), 0.8));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 2; ++k) {
        const double s = frac(t + k / 2.0);
        p.drawEllipse(c, 3 + 10 * s, (3 + 10 * s) * 0.6);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 190, 185));
    p.drawRect(QRectF(18.5, 15, 3, 11));
    p.setBrush(QColor(235, 248, 255));
    for (int jet = 0; jet < 6; ++jet) {
        const double dir = std::cos(kTau * jet / 6);  // left and right spread, seen from the side
        const double depth = std::sin(kTau * jet / 6);
        for (int k = 0; k < 4; ++k) {
            const double s = frac(t + k / 4.0);
            const double x = 20 + dir * 11 * s;
            const double y = 15 - 14 * s + 20 * s * s + depth * 3 * s;
            p.drawEllipse(QPointF(x, y), 1.0, 1.2);
        }
    }
    p.drawEllipse(QPointF(20, 13.5), 1.6, 1.6);
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

// 8: a cottage whose chimney sends up puffs of smoke.
void chimneySmoke(QPainter& p, double t) {
    drawShadow(p, {20, 36}, 14, 2);
    p.setPen(QPen(QColor(70, 50, 40), 0.7));
    p.setBrush(QColor(245, 230, 200));
    p.drawRect(QRectF(9, 24, 22, 12));
    p.setBrush(QColor(180, 60, 40));
    QPolygonF roof;
    roof << QPointF(6, 25) << QPointF(20, 15) << QPointF(34, 25);
    p.drawPolygon(roof);
    p.setBrush(QColor(140, 70, 50));
    p.drawRect(QRectF(25, 14, 4, 7));
    p.setBrush(QColor(120, 70, 40));
    p.drawRect(QRectF(17.5, 29, 5, 7));
    p.setBrush(QColor(250, 230, 120));
    p.drawRect(QRectF(11.5, 27, 4, 4));
    for (int k = 0; k < 3; ++k) {
        const double s = frac(t + k / 3.0);
        fillEllipse(p, QPointF(27 + 4 * s + std::sin(kTau * s) * 1.5, 12 - 11 * s), 1.8 + 3 * s, 1.6 + 2.5 * s, QColor(220, 220, 225, int(210 * (1 - s))));
    }
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

}  // namespace

const std::array<KindPainter, 11> kKindsOneToEleven{windmill, ferrisWheel, flag,         campfire,
                                                    fountain, lighthouse,  carousel,     chimneySmoke,
                                                    turningSign, fishPond, birds};

}  // namespace pendix::installer::anim
