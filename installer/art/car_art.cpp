#include "installer/art/car_art.h"

#include <QPainter>
#include <QPainterPath>

#include "installer/art/palette.h"

namespace pendix::installer {
namespace {

using namespace art;

constexpr double kCentre = kOverlaySize / 2.0;

// Clockwise rotation of a picture drawn heading up, for directions 1..8.
double headingDegrees(int direction) {
    constexpr double kAngles[] = {0, 180, 90, 270, 45, -45, -135, 135};
    return direction >= 1 && direction <= 8 ? kAngles[direction - 1] : 0;
}

QImage overlayBase() {
    QImage img(kOverlaySize, kOverlaySize, QImage::Format_RGB32);
    img.fill(kBoardGreen);
    return img;
}

void drawRoadPatch(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kAsphalt);
    p.drawRoundedRect(QRectF(1, 1, kOverlaySize - 2, kOverlaySize - 2), 4, 4);
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

// A thin chequered frame: the finish line around the car that has arrived.
void drawFinishFrame(QPainter& p) {
    p.setPen(Qt::NoPen);
    constexpr int kSquare = 2;
    for (int i = 0; i < kOverlaySize; i += kSquare)
        for (int edge = 0; edge < 4; ++edge) {
            const int k = i / kSquare;
            p.setBrush(k % 2 ? QColor(20, 20, 20) : QColor(Qt::white));
            switch (edge) {
                case 0: p.drawRect(i, 0, kSquare, kSquare); break;
                case 1: p.drawRect(i, kOverlaySize - kSquare, kSquare, kSquare); break;
                case 2: p.drawRect(0, i, kSquare, kSquare); break;
                default: p.drawRect(kOverlaySize - kSquare, i, kSquare, kSquare); break;
            }
        }
}

void drawGoldenGlow(QPainter& p) {
    QRadialGradient glow(QPointF(kCentre, kCentre), 12.0);
    glow.setColorAt(0.0, QColor(255, 236, 130));
    glow.setColorAt(0.55, QColor(246, 190, 40));
    glow.setColorAt(1.0, QColor(150, 110, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(QRectF(2, 2, kOverlaySize - 4, kOverlaySize - 4), 4, 4);
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
    QImage img = overlayBase();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (onEndCell) {
        drawFinishFrame(p);
        drawGoldenGlow(p);
    } else {
        drawRoadPatch(p);
    }
    p.translate(kCentre, kCentre);
    p.rotate(headingDegrees(direction));
    drawCar(p);
    return img;
}

QImage exitArrowImage(int direction) {
    QImage img = overlayBase();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawRoadPatch(p);
    p.translate(kCentre, kCentre);
    p.rotate(headingDegrees(direction));
    QLinearGradient fill(0, -9, 0, 9);
    fill.setColorAt(0.0, QColor(150, 240, 255));
    fill.setColorAt(1.0, QColor(130, 70, 255));
    p.setPen(QPen(Qt::white, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(arrowShape());
    return img;
}

}  // namespace pendix::installer
