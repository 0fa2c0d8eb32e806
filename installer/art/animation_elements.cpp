// Animated fire, water, wind and sky: flag (3), campfire (4), fountain (5),
// chimney smoke (8), sea waves (12), rain cloud (18), sun (19).
#include "installer/art/animation_kinds.h"

#include <QPainterPath>

namespace pendix::installer::anim {

// 3: a black, red and gold flag waving on its pole.
void flag(QPainter& p, double t) {
    drawShadow(p, {11, 36}, 4, 1.5);
    p.setPen(QPen(QColor(120, 120, 130), 1.6));
    p.drawLine(QPointF(10, 36), QPointF(10, 5));
    fillEllipse(p, QPointF(10, 4.5), 1.4, 1.4, QColor(230, 200, 60));
    const QColor bands[] = {QColor(20, 20, 20), QColor(220, 20, 20), QColor(250, 204, 0)};
    const double left = 11, right = 33, top = 6, height = 13;
    for (double x = left; x < right; x += 1.0) {
        auto wave = [&](double xx) {
            return 2.0 * std::sin(kTau * ((xx - left) / 18.0 - t)) * (xx - left) / (right - left);
        };
        const double y0 = wave(x), y1 = wave(x + 1.0);
        const double shade = 1.0 + 0.18 * std::cos(kTau * ((x - left) / 18.0 - t));
        for (int b = 0; b < 3; ++b) {
            QPolygonF strip;
            const double bt = top + b * height / 3, bb = top + (b + 1) * height / 3;
            strip << QPointF(x, bt + y0) << QPointF(x + 1.05, bt + y1) << QPointF(x + 1.05, bb + y1)
                  << QPointF(x, bb + y0);
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
        fillEllipse(p, QPointF(27 + 4 * s + std::sin(kTau * s) * 1.5, 12 - 11 * s), 1.8 + 3 * s, 1.6 + 2.5 * s,
                    QColor(220, 220, 225, int(210 * (1 - s))));
    }
}

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

}  // namespace pendix::installer::anim
