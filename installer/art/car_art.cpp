#include "installer/art/car_art.h"

#include "installer/art/palette.h"

#include <QPainter>
#include <QPainterPath>

namespace pendix::installer {
namespace {

using namespace art;

constexpr double kCentre = kOverlaySize / 2.0;

// Clockwise rotation of a picture drawn heading up, for directions 1..8.
double headingDegrees(int direction) {
    constexpr double kAngles[] = {0, 180, 90, 270, 45, -45, -135, 135};
    return direction >= 1 && direction <= 8 ? kAngles[direction - 1] : 0;
}

// The overlays lie over the board's street tiles, which show wherever a picture has
// the board green: so everything but the car or the arrow is that green. The shape
// is drawn on a clear layer first; a pixel it covers only in part is mixed with the
// asphalt it stands on, and one it barely touches stays green, so that no green or
// dark seam rims the shape on the road.
QImage onBoardGreen(const QImage& layer) {
    constexpr int kBarelyTouched = 64;  // of 255
    QImage img(kOverlaySize, kOverlaySize, QImage::Format_RGB32);
    img.fill(kBoardGreen);
    const QRgb road = kAsphalt.rgb();
    const auto mix = [](int shape, int under, int alpha) {
        return (shape * alpha + under * (255 - alpha) + 127) / 255;
    };
    for (int y = 0; y < kOverlaySize; ++y)
        for (int x = 0; x < kOverlaySize; ++x) {
            const QRgb px = layer.pixel(x, y);
            const int alpha = qAlpha(px);
            if (alpha < kBarelyTouched) continue;
            QRgb shown = qRgb(mix(qRed(px), qRed(road), alpha), mix(qGreen(px), qGreen(road), alpha),
                              mix(qBlue(px), qBlue(road), alpha));
            if (shown == kBoardGreen.rgb()) shown = qRgb(0, 127, 0);  // never see-through by chance
            img.setPixel(x, y, shown);
        }
    return img;
}

QImage clearLayer() {
    QImage layer(kOverlaySize, kOverlaySize, QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    return layer;
}

// A small red car seen from above, heading up, centred on the origin.
void drawCar(QPainter& p) {
    // Wheels first, so the body covers their inner halves.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    for (double sx : {-1.0, 1.0})
        for (double y : {-5.8, 4.6}) p.drawRoundedRect(QRectF(sx * 5.9 - 1.1, y, 2.2, 4.0), 0.8, 0.8);

    QLinearGradient paint(-5.5, 0, 5.5, 0);
    paint.setColorAt(0.0, QColor(170, 18, 24));
    paint.setColorAt(0.45, QColor(236, 52, 48));
    paint.setColorAt(1.0, QColor(160, 16, 22));
    p.setPen(QPen(QColor(90, 8, 12), 0.8));
    p.setBrush(paint);
    QPainterPath body;
    body.addRoundedRect(QRectF(-5.5, -9.8, 11.0, 19.4), 3.4, 3.4);
    p.drawPath(body);

    // Windscreen (front) and rear window, the roof between them.
    p.setPen(Qt::NoPen);
    QLinearGradient glass(0, -6, 0, -2);
    glass.setColorAt(0.0, QColor(170, 220, 255));
    glass.setColorAt(1.0, QColor(40, 80, 130));
    p.setBrush(glass);
    QPolygonF screen;
    screen << QPointF(-4.3, -2.2) << QPointF(4.3, -2.2) << QPointF(3.5, -5.6) << QPointF(-3.5, -5.6);
    p.drawPolygon(screen);
    p.setBrush(QColor(40, 70, 110));
    QPolygonF rear;
    rear << QPointF(-3.8, 4.6) << QPointF(3.8, 4.6) << QPointF(3.2, 6.8) << QPointF(-3.2, 6.8);
    p.drawPolygon(rear);
    p.setBrush(QColor(205, 40, 40));
    p.drawRoundedRect(QRectF(-3.9, -2.0, 7.8, 6.4), 1.2, 1.2);

    // Headlights at the front, tail lights at the back.
    p.setBrush(QColor(255, 250, 190));
    p.drawEllipse(QPointF(-3.4, -9.0), 1.3, 0.9);
    p.drawEllipse(QPointF(3.4, -9.0), 1.3, 0.9);
    p.setBrush(QColor(120, 0, 0));
    p.drawRect(QRectF(-4.4, 8.6, 2.2, 0.9));
    p.drawRect(QRectF(2.2, 8.6, 2.2, 0.9));
}

// A golden glow just around the car that has arrived, heading up, centred on the
// origin; the end cell's own chequered band shows beside it.
void drawGoldenGlow(QPainter& p) {
    QRadialGradient glow(QPointF(0, 0), 11.0);
    glow.setColorAt(0.0, QColor(255, 236, 130));
    glow.setColorAt(0.6, QColor(246, 190, 40));
    glow.setColorAt(1.0, QColor(190, 130, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(-7.5, -10.5, 15.0, 21.0), 5.5, 5.5);
}

// A bold arrow heading up, centred on the origin.
QPolygonF arrowShape() {
    QPolygonF a;
    a << QPointF(0, -9.5) << QPointF(7, -1.5) << QPointF(2.6, -1.5) << QPointF(2.6, 8.5) << QPointF(-2.6, 8.5)
      << QPointF(-2.6, -1.5) << QPointF(-7, -1.5);
    return a;
}

}  // namespace

QImage carImage(int direction, bool onEndCell) {
    QImage layer = clearLayer();
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(kCentre, kCentre);
        p.rotate(headingDegrees(direction));
        if (onEndCell) drawGoldenGlow(p);
        drawCar(p);
    }
    return onBoardGreen(layer);
}

QImage exitArrowImage(int direction) {
    QImage layer = clearLayer();
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(kCentre, kCentre);
        p.rotate(headingDegrees(direction));
        QLinearGradient fill(0, -9, 0, 9);
        fill.setColorAt(0.0, QColor(150, 240, 255));
        fill.setColorAt(1.0, QColor(130, 70, 255));
        p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPolygon(arrowShape());
    }
    return onBoardGreen(layer);
}

}  // namespace pendix::installer
