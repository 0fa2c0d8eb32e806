#pragma once
// The drawings of the animated kinds; each paints one moment t (0 <= t < 1 of its
// loop) over a grass tile. They live in files by what they draw: machines and
// signals, the fairground, animals, and fire, water, wind and sky.
#include <QPainter>
#include <QPointF>

#include <array>
#include <cmath>
#include <numbers>

namespace pendix::installer::anim {

using KindPainter = void (*)(QPainter&, double t);

// Machines and signals (animation_machines.cpp).
void windmill(QPainter& p, double t);       // 1
void lighthouse(QPainter& p, double t);     // 6
void turningSign(QPainter& p, double t);    // 9
void trafficLight(QPainter& p, double t);   // 13
void windTurbine(QPainter& p, double t);    // 14
void pendulumClock(QPainter& p, double t);  // 15
void waterWheel(QPainter& p, double t);     // 21

// The fairground (animation_fairground.cpp).
void ferrisWheel(QPainter& p, double t);   // 2
void carousel(QPainter& p, double t);      // 7
void bouncingBall(QPainter& p, double t);  // 20

// Animals (animation_animals.cpp).
void fishPond(QPainter& p, double t);   // 10
void birds(QPainter& p, double t);      // 11
void butterfly(QPainter& p, double t);  // 16
void duckPond(QPainter& p, double t);   // 17

// Fire, water, wind and sky (animation_elements.cpp).
void flag(QPainter& p, double t);          // 3
void campfire(QPainter& p, double t);      // 4
void fountain(QPainter& p, double t);      // 5
void chimneySmoke(QPainter& p, double t);  // 8
void seaWaves(QPainter& p, double t);      // 12
void rainCloud(QPainter& p, double t);     // 18
void sun(QPainter& p, double t);           // 19

inline constexpr double kTau = 2.0 * std::numbers::pi;

// The part of x after its whole number: where a repeating thing stands in its own loop.
inline double frac(double x) { return x - std::floor(x); }

inline QPointF polar(QPointF centre, double radius, double angle) {
    return centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
}

// An ellipse in one colour without outline: eyes, hubs, drops and shadows.
inline void fillEllipse(QPainter& p, QPointF centre, double rx, double ry, const QBrush& fill) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(centre, rx, ry);
}

// A pond with a light rim, for the kinds that live on water.
void drawPond(QPainter& p, const QRectF& box);
void drawShadow(QPainter& p, QPointF centre, double rx, double ry);

}  // namespace pendix::installer::anim
