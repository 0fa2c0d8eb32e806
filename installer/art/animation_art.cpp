#include "installer/art/animation_art.h"

#include "installer/art/animation_kinds.h"
#include "installer/art/grass.h"
#include "shared/tile_catalogue.h"

namespace pendix::installer {

namespace anim {

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
    if (kind <= 11)
        anim::kKindsOneToEleven[std::size_t(kind - 1)](p, t);
    else
        anim::kKindsTwelveToTwentyOne[std::size_t(kind - 12)](p, t);
    return img;
}

}  // namespace pendix::installer
