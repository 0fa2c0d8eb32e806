#include "installer/art/animation_art.h"

#include "installer/art/animation_kinds.h"
#include "installer/art/grass.h"
#include "shared/tile_catalogue.h"

namespace pendix::installer {

namespace anim {
namespace {

// Each kind's drawing, in the order of the kinds 1..21.
constexpr std::array<KindPainter, 21> kKinds{
    windmill,      ferrisWheel, flag,     campfire,  fountain, lighthouse,   carousel,     // 1..7
    chimneySmoke,  turningSign, fishPond, birds,     seaWaves, trafficLight, windTurbine,  // 8..14
    pendulumClock, butterfly,   duckPond, rainCloud, sun,      bouncingBall, waterWheel,   // 15..21
};

}  // namespace

void drawPond(QPainter& p, const QRectF& box) {
    p.setPen(QPen(QColor(150, 120, 80), 2.0));
    QRadialGradient water(box.center(), box.width() / 2);
    water.setColorAt(0.0, QColor(90, 180, 240));
    water.setColorAt(1.0, QColor(30, 110, 200));
    p.setBrush(water);
    p.drawEllipse(box);
}

void drawShadow(QPainter& p, QPointF centre, double rx, double ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 0, 90));
    p.drawEllipse(centre, rx, ry);
}

}  // namespace anim

QImage animationFrame(int kind, int frame) {
    QImage img = grassTile(std::uint32_t(800 + kind));
    const int count = animationFrameCount(kind);
    if (count == 0) return img;
    const double t = double((frame - 1) % count) / count;
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    anim::kKinds[std::size_t(kind - 1)](p, t);
    return img;
}

}  // namespace pendix::installer
