#pragma once
// The drawings of the animated kinds; each paints one moment t (0 <= t < 1 of its
// loop) over a grass tile. Kinds 1..11 and 12..21 live in two files.
#include <QPainter>
#include <QPointF>
#include <array>
#include <cmath>
#include <numbers>

namespace pendix::installer::anim {

using KindPainter = void (*)(QPainter&, double t);

extern const std::array<KindPainter, 11> kKindsOneToEleven;
extern const std::array<KindPainter, 10> kKindsTwelveToTwentyOne;

inline constexpr double kTau = 2.0 * std::numbers::pi;

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
