#include "installer/art/street_art.h"

#include "installer/art/palette.h"
#include "shared/tile_catalogue.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace pendix::installer {
namespace {

using namespace art;

constexpr double kMid = kTileSize / 2.0;
constexpr double kOut = 6.0;  // paths reach past the cell edge so the kerb ends there cleanly

constexpr unsigned kAllArms = ArmUp | ArmDown | ArmLeft | ArmRight;

bool isCurve(unsigned arms) {
    return arms == (ArmUp | ArmRight) || arms == (ArmUp | ArmLeft) || arms == (ArmDown | ArmRight) ||
           arms == (ArmDown | ArmLeft);
}

bool isStraight(unsigned arms) { return arms == (ArmUp | ArmDown) || arms == (ArmLeft | ArmRight); }

// Unit vector from the cell centre towards an arm's edge.
QPointF armDirection(unsigned arm) {
    switch (arm) {
        case ArmUp: return {0, -1};
        case ArmDown: return {0, 1};
        case ArmLeft: return {-1, 0};
        default: return {1, 0};
    }
}

// A curve is a quarter ring around the cell corner between its two arms.
struct Curve {
    QPointF corner;
    QPointF toFirst;   // from the corner to the first arm's edge midpoint, unit length
    QPointF toSecond;  // to the second arm's edge midpoint
};

Curve curveOf(unsigned arms) {
    const bool up = arms & ArmUp;
    const bool right = arms & ArmRight;
    const QPointF corner(right ? kTileSize : 0, up ? 0 : kTileSize);
    const QPointF toVertical(right ? -1 : 1, 0);  // towards the top or bottom edge midpoint
    const QPointF toHorizontal(0, up ? 1 : -1);   // towards the left or right edge midpoint
    return {corner, toVertical, toHorizontal};
}

QPointF onCurve(const Curve& c, double radius, double angle) {
    return c.corner + radius * (std::cos(angle) * c.toFirst + std::sin(angle) * c.toSecond);
}

QPainterPath armRect(unsigned arm, double half) {
    QPainterPath p;
    switch (arm) {
        case ArmUp: p.addRect(QRectF(kMid - half, -kOut, 2 * half, kMid + kOut)); break;
        case ArmDown: p.addRect(QRectF(kMid - half, kMid, 2 * half, kMid + kOut)); break;
        case ArmLeft: p.addRect(QRectF(-kOut, kMid - half, kMid + kOut, 2 * half)); break;
        default: p.addRect(QRectF(kMid, kMid - half, kMid + kOut, 2 * half)); break;
    }
    return p;
}

// The road surface of a set of arms, half being half its width.
QPainterPath roadPath(unsigned arms, double half) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    if (isCurve(arms)) {
        const Curve c = curveOf(arms);
        QPainterPath ring;
        ring.addEllipse(c.corner, kMid + half, kMid + half);
        QPainterPath hole;
        hole.addEllipse(c.corner, kMid - half, kMid - half);
        QPainterPath cell;
        cell.addRect(QRectF(0, 0, kTileSize, kTileSize));
        path = ring.subtracted(hole).intersected(cell);
        // Short straight pieces beyond the edges keep the kerb from closing at the edge.
        for (unsigned arm : {ArmUp, ArmDown, ArmLeft, ArmRight}) {
            if (!(arms & arm)) continue;
            QPainterPath stub;
            const QPointF d = armDirection(arm);
            const QPointF edge = QPointF(kMid, kMid) + kMid * d;
            const QPointF a = edge + QPointF(-d.y(), d.x()) * half;
            const QPointF b = edge - QPointF(-d.y(), d.x()) * half;
            stub.moveTo(a - d * 0.5);
            stub.lineTo(a + d * kOut);
            stub.lineTo(b + d * kOut);
            stub.lineTo(b - d * 0.5);
            stub.closeSubpath();
            path = path.united(stub);
        }
        return path;
    }
    QPainterPath centre;
    centre.addRoundedRect(QRectF(kMid - half, kMid - half, 2 * half, 2 * half), 1.5, 1.5);
    path = centre;
    for (unsigned arm : {ArmUp, ArmDown, ArmLeft, ArmRight})
        if (arms & arm) path = path.united(armRect(arm, half));
    return path;
}

// Dashes along a lane mark: 4 px on, 4 px off, the first starting 2 px from the
// cell edge, so that neighbouring tiles continue the rhythm.
void drawDash(QPainter& p, QPointF from, QPointF to) {
    QPen pen(kLaneMark, 2.0, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(from, to);
}

void drawLaneMarks(QPainter& p, unsigned arms) {
    if (isCurve(arms)) {
        const Curve c = curveOf(arms);
        const double length = kMid * std::numbers::pi / 2;
        const double unit = (length - 4.0) / 7.0;  // four dashes, three gaps
        QPen pen(kLaneMark, 2.0, Qt::SolidLine, Qt::FlatCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        for (int k = 0; k < 4; ++k) {
            const double s0 = 2.0 + 2 * k * unit;
            QPainterPath dash;
            for (int i = 0; i <= 8; ++i) {
                const double s = s0 + unit * i / 8.0;
                const QPointF pt = onCurve(c, kMid, s / kMid);
                i == 0 ? dash.moveTo(pt) : dash.lineTo(pt);
            }
            p.drawPath(dash);
        }
        return;
    }
    const bool straight = isStraight(arms);
    for (unsigned arm : {ArmUp, ArmDown, ArmLeft, ArmRight}) {
        if (!(arms & arm)) continue;
        const QPointF d = armDirection(arm);
        const QPointF edge = QPointF(kMid, kMid) + kMid * d;
        // A straight street carries its marks through the middle; a junction keeps its box clear.
        const double reach = straight ? kMid : kMid - kRoadHalfWidth - 1.0;
        for (double s = 2.0; s + 4.0 <= reach + 2.0; s += 8.0) drawDash(p, edge - d * s, edge - d * std::min(s + 4.0, reach + 2.0));
    }
}

void drawRoad(QPainter& p, unsigned arms) {
    p.setPen(Qt::NoPen);
    p.setBrush(kKerb);
    p.drawPath(roadPath(arms, kRoadHalfWidth + kKerbWidth));
    p.setBrush(kAsphalt);
    p.drawPath(roadPath(arms, kRoadHalfWidth));
    drawLaneMarks(p, arms);
}

// Where the middle of the road lies: the cell centre, or the middle of a curve.
QPointF roadCentre(unsigned arms) {
    if (!isCurve(arms)) return {kMid, kMid};
    return onCurve(curveOf(arms), kMid, std::numbers::pi / 4);
}

// The direction in which the road runs at its centre (for bands across it).
double roadAngleDegrees(unsigned arms) {
    if (arms == (ArmLeft | ArmRight)) return 0;
    if (arms == (ArmUp | ArmDown)) return 90;
    if (isCurve(arms)) {
        const Curve c = curveOf(arms);
        const QPointF radial = roadCentre(arms) - c.corner;
        return std::atan2(radial.y(), radial.x()) * 180.0 / std::numbers::pi + 90.0;
    }
    return 0;
}

// A red and white striped boom across one arm, at distance `at` from the centre.
void drawBarrier(QPainter& p, unsigned arm, double at) {
    const QPointF d = armDirection(arm);
    const QPointF across(-d.y(), d.x());
    const QPointF mid = QPointF(kMid, kMid) + d * at;
    const double half = kRoadHalfWidth + kKerbWidth + 1.0;
    const double thick = 5.0;
    p.save();
    p.translate(mid);
    p.rotate(std::atan2(across.y(), across.x()) * 180.0 / std::numbers::pi);
    const QRectF bar(-half, -thick / 2, 2 * half, thick);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(bar);
    p.setClipRect(bar);
    p.setBrush(kBarrierRed);
    for (double x = -half - thick; x < half + thick; x += 7.0) {
        QPolygonF stripe;
        stripe << QPointF(x, thick / 2) << QPointF(x + 3.5, thick / 2) << QPointF(x + 3.5 + thick, -thick / 2)
               << QPointF(x + thick, -thick / 2);
        p.drawPolygon(stripe);
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(90, 10, 10), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bar);
    // Posts at both ends.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(QPointF(-half, 0), 1.8, 1.8);
    p.drawEllipse(QPointF(half, 0), 1.8, 1.8);
    p.restore();
}

void drawNoEntrySign(QPainter& p, QPointF at) {
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kBarrierRed);
    p.drawEllipse(at, 8.5, 8.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(at.x() - 5.5, at.y() - 1.6, 11.0, 3.2), 0.8, 0.8);
}

void drawTeleporterPad(QPainter& p, QPointF at) {
    QRadialGradient glow(at, 11.0);
    glow.setColorAt(0.0, QColor(255, 255, 255));
    glow.setColorAt(0.25, QColor(140, 235, 255));
    glow.setColorAt(0.6, QColor(120, 80, 255, 230));
    glow.setColorAt(1.0, QColor(90, 30, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(at, 11.0, 11.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(200, 170, 255), 1.2));
    p.drawEllipse(at, 7.0, 7.0);
    p.setPen(QPen(QColor(230, 250, 255), 1.0));
    for (int k = 0; k < 4; ++k) {
        const double a = std::numbers::pi / 4 + k * std::numbers::pi / 2;
        const QPointF s = at + QPointF(std::cos(a), std::sin(a)) * 4.0;
        p.drawLine(s - QPointF(1.2, 0), s + QPointF(1.2, 0));
        p.drawLine(s - QPointF(0, 1.2), s + QPointF(0, 1.2));
    }
}

void drawFinishBand(QPainter& p, unsigned arms) {
    constexpr double cell = 4.0;
    p.setPen(Qt::NoPen);
    if (!isStraight(arms) && !isCurve(arms)) {
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 5; ++j) {
                p.setBrush((i + j) % 2 ? QColor(20, 20, 20) : QColor(Qt::white));
                p.drawRect(QRectF(kMid - 10 + i * cell, kMid - 10 + j * cell, cell, cell));
            }
        return;
    }
    p.save();
    p.translate(roadCentre(arms));
    p.rotate(roadAngleDegrees(arms) + 90.0);  // across the road
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 2; ++j) {
            p.setBrush((i + j) % 2 ? QColor(20, 20, 20) : QColor(Qt::white));
            p.drawRect(QRectF(-10 + i * cell, -cell + j * cell, cell, cell));
        }
    p.restore();
}

// The whole shape of a blocked shape's junction, barred arms included.
unsigned junctionArms(int code) {
    const std::string_view suffix = blockedShapeSuffix(code % 100);
    if (suffix.starts_with("b")) return kAllArms;
    if (suffix.starts_with("sl")) return streetArms(108);
    if (suffix.starts_with("sr")) return streetArms(107);
    if (suffix.starts_with("wl")) return streetArms(110);
    return streetArms(109);
}

QImage blankTile() {
    QImage img(kTileSize, kTileSize, QImage::Format_RGB32);
    img.fill(kBoardGreen);
    return img;
}

}  // namespace

QImage streetTile(int code) {
    QImage img = blankTile();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int variant = code % 100;
    const Family family = familyOf(code);
    const bool shaped = hasBlockedShape(code);
    const unsigned arms = shaped ? junctionArms(code) : streetArms(streetOfShape(variant));
    drawRoad(p, arms);
    if (shaped) {
        const unsigned open = streetArms(openArmStreet(code));
        for (unsigned arm : {ArmUp, ArmDown, ArmLeft, ArmRight})
            if ((arms & arm) && !(open & arm)) drawBarrier(p, arm, kRoadHalfWidth + 5.0);
    } else if (family == Family::Blocked) {
        for (unsigned arm : {ArmUp, ArmDown, ArmLeft, ArmRight})
            if (arms & arm) {
                if (isCurve(arms)) continue;
                drawBarrier(p, arm, kMid - 5.0);
            }
        drawNoEntrySign(p, roadCentre(arms));
    }
    if (family == Family::Transporter) drawTeleporterPad(p, roadCentre(arms));
    return img;
}

QImage endMarkerTile(int street) {
    QImage img = blankTile();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const unsigned arms = streetArms(street);
    drawRoad(p, arms);
    drawFinishBand(p, arms);
    return img;
}

}  // namespace pendix::installer
