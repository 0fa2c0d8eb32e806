#include "installer/art/decoration_art.h"

#include "installer/art/emoji.h"
#include "installer/art/grass.h"
#include "installer/art/palette.h"
#include "shared/tile_catalogue.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace pendix::installer {
namespace {

using namespace art;

// Recolouring of an emoji's greens: autumn leaves and blossom from one tree.
enum class Tint { None, Orange, Red, Pink };
// Small additions painted over a tree.
enum class Extra { None, Apples, Lemons, Snow };
// Items drawn by hand because no emoji shows them from above.
enum class Drawn { None, Pitch, Court, Pool, Grove };

struct Decoration {
    const char* emoji;
    Tint tint = Tint::None;
    Extra extra = Extra::None;
    Drawn drawn = Drawn::None;
};

const Decoration kTrees[] = {
    {"🌳"}, {"🌲"}, {"🌴"}, {"🌳", Tint::Orange}, {"🎄"}, {"🌳", Tint::None, Extra::Apples}, {"🌵"},
    {"🌳", Tint::Red}, {"🌲", Tint::None, Extra::Snow}, {"🌳", Tint::Pink}, {"🎋"},
    {"🌳", Tint::None, Extra::Lemons}, {"🌲", Tint::Orange}, {"", Tint::None, Extra::None, Drawn::Grove},
};
const Decoration kFlowers[] = {{"🌷"}, {"🌹"}, {"🌻"}, {"🌼"}, {"🌸"}, {"🌺"}, {"💐"}, {"🪻"}, {"🪷"}};
const Decoration kHouses[] = {{"🏠"}, {"🏡"}, {"⛪"}, {"🏪"}, {"🏢"}, {"🏫"}, {"🏥"}, {"🏰"}, {"🏭"}, {"🛖"}};
const Decoration kSport[] = {
    {"", Tint::None, Extra::None, Drawn::Pitch}, {"⚽"}, {"🥅"}, {"🏀"}, {"⛹️"}, {"🎾"},
    {"", Tint::None, Extra::None, Drawn::Court}, {"🏸"}, {"🏐"}, {"🏈"}, {"⚾"}, {"🏉"}, {"🏓"}, {"🏒"},
    {"⛳"}, {"🎱"}, {"", Tint::None, Extra::None, Drawn::Pool}, {"🏆"}, {"🛹"}, {"🎳"}, {"🥊"},
};
const Decoration kAnimals[] = {
    {"🐈"}, {"🐕"}, {"🐄"}, {"🐖"}, {"🐑"}, {"🦆"}, {"🐎"}, {"🐓"}, {"🐇"}, {"🐐"}, {"🦌"},
    {"🐿️"}, {"🦔"}, {"🐢"}, {"🐸"}, {"🦊"}, {"🐌"}, {"🐞"}, {"🦢"}, {"🐝"}, {"🦉"},
};

const Decoration& decorationOf(int code) {
    const int i = code % 100 - 1;
    switch (familyOf(code)) {
        case Family::Tree: return kTrees[i];
        case Family::Flower: return kFlowers[i];
        case Family::House: return kHouses[i];
        case Family::Sport: return kSport[i];
        default: return kAnimals[i];
    }
}

void drawShadow(QPainter& p, double width) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 0, 90));
    p.drawEllipse(QPointF(20, 34.5), width / 2, 3.0);
}

int tintHue(Tint t) {
    switch (t) {
        case Tint::Orange: return 30;
        case Tint::Red: return 6;
        case Tint::Pink: return 330;
        case Tint::None: break;
    }
    return -1;
}

void applyTint(QImage& layer, Tint tint) {
    const int hue = tintHue(tint);
    if (hue < 0) return;
    for (int y = 0; y < layer.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const QColor c = QColor::fromRgba(line[x]);
            if (c.alpha() == 0) continue;
            const int h = c.hsvHue();
            if (h < 65 || h > 175 || c.hsvSaturation() < 50) continue;
            const int sat = tint == Tint::Pink ? c.hsvSaturation() * 2 / 3 : c.hsvSaturation();
            const int val = tint == Tint::Pink ? std::min(255, c.value() + 50) : std::min(255, c.value() + 25);
            QColor t = QColor::fromHsv(hue, sat, val, c.alpha());
            line[x] = t.rgba();
        }
    }
}

void drawExtra(QPainter& p, Extra extra) {
    p.setPen(Qt::NoPen);
    const QPointF spots[] = {{13, 12}, {25, 10}, {19, 18}, {28, 19}, {11, 21}};
    switch (extra) {
        case Extra::Apples:
            for (const QPointF& s : spots) {
                p.setBrush(QColor(220, 20, 30));
                p.drawEllipse(s, 2.4, 2.4);
                p.setBrush(QColor(255, 170, 170));
                p.drawEllipse(s + QPointF(-0.8, -0.8), 0.7, 0.7);
            }
            break;
        case Extra::Lemons:
            for (const QPointF& s : spots) {
                p.setBrush(QColor(250, 225, 30));
                p.drawEllipse(s, 2.6, 2.0);
            }
            break;
        case Extra::Snow: {
            PixelRandom rnd(77);
            p.setBrush(QColor(250, 250, 255));
            for (int k = 0; k < 14; ++k) {
                const double y = 6 + rnd.unit() * 22;
                const double spread = (y - 4) * 0.42;
                p.drawEllipse(QPointF(20 + (rnd.unit() * 2 - 1) * spread, y), 1.2, 1.0);
            }
            break;
        }
        case Extra::None: break;
    }
}

void drawEmojiDecoration(QPainter& p, const Decoration& d) {
    QImage layer(kTileSize, kTileSize, QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        drawEmoji(lp, QString::fromUtf8(d.emoji), QRectF(0, 0, kTileSize, kTileSize - 2), 30);
    }
    applyTint(layer, d.tint);
    drawShadow(p, 26);
    p.drawImage(0, 0, layer);
    drawExtra(p, d.extra);
}

// --- hand-drawn items and the drawings used when no emoji font is installed ---

void drawPitch(QPainter& p) {
    const QRectF field(3, 7, 34, 26);
    for (int k = 0; k < 6; ++k) {
        p.setPen(Qt::NoPen);
        p.setBrush(k % 2 ? QColor(40, 160, 40) : QColor(60, 176, 52));
        p.drawRect(QRectF(field.left() + k * field.width() / 6, field.top(), field.width() / 6, field.height()));
    }
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(field);
    p.drawLine(QPointF(20, field.top()), QPointF(20, field.bottom()));
    p.drawEllipse(QPointF(20, 20), 4.5, 4.5);
    p.drawRect(QRectF(field.left(), 14, 5, 12));
    p.drawRect(QRectF(field.right() - 5, 14, 5, 12));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 22), 1.3, 1.3);
}

void drawCourt(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 92, 52));
    p.drawRect(QRectF(4, 5, 32, 30));
    p.setBrush(QColor(60, 120, 190));
    p.drawRect(QRectF(8, 9, 24, 22));
    p.setPen(QPen(Qt::white, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 9, 24, 22));
    p.drawLine(QPointF(11, 9), QPointF(11, 31));
    p.drawLine(QPointF(29, 9), QPointF(29, 31));
    p.drawLine(QPointF(11, 15), QPointF(29, 15));
    p.drawLine(QPointF(11, 25), QPointF(29, 25));
    p.drawLine(QPointF(20, 15), QPointF(20, 25));
    p.setPen(QPen(QColor(30, 30, 30), 1.6));
    p.drawLine(QPointF(6, 20), QPointF(34, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 240, 60));
    p.drawEllipse(QPointF(24, 12), 1.5, 1.5);
}

void drawPool(QPainter& p) {
    p.setPen(QPen(QColor(235, 235, 225), 3.0));
    QLinearGradient water(0, 6, 0, 34);
    water.setColorAt(0, QColor(110, 210, 250));
    water.setColorAt(1, QColor(30, 130, 220));
    p.setBrush(water);
    p.drawRoundedRect(QRectF(5, 6, 30, 28), 3, 3);
    p.setPen(QPen(QColor(240, 80, 80), 1.0, Qt::DashLine));
    for (double x : {12.5, 20.0, 27.5}) p.drawLine(QPointF(x, 8), QPointF(x, 32));
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.drawLine(QPointF(8, 14), QPointF(11, 13));
    p.drawLine(QPointF(22, 26), QPointF(26, 25));
    p.setPen(QPen(QColor(200, 200, 200), 1.2));
    p.drawLine(QPointF(31, 4), QPointF(31, 9));
    p.drawLine(QPointF(33, 4), QPointF(33, 9));
}

void drawRoundTree(QPainter& p, QPointF base, double size, QColor leaves) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 30));
    p.drawRect(QRectF(base.x() - size * 0.08, base.y() - size * 0.45, size * 0.16, size * 0.45));
    QRadialGradient crown(base + QPointF(-size * 0.12, -size * 0.78), size * 0.5);
    crown.setColorAt(0, leaves.lighter(140));
    crown.setColorAt(1, leaves.darker(130));
    p.setBrush(crown);
    p.drawEllipse(base + QPointF(0, -size * 0.68), size * 0.38, size * 0.36);
}

void drawPine(QPainter& p, QPointF base, double size, QColor leaves) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(100, 64, 28));
    p.drawRect(QRectF(base.x() - size * 0.06, base.y() - size * 0.2, size * 0.12, size * 0.2));
    for (int k = 0; k < 3; ++k) {
        const double top = base.y() - size * (1.0 - 0.18 * k);
        const double bottom = base.y() - size * (0.42 - 0.14 * k);
        const double half = size * (0.2 + 0.09 * k);
        QPolygonF tier;
        tier << QPointF(base.x(), top) << QPointF(base.x() + half, bottom) << QPointF(base.x() - half, bottom);
        p.setBrush(leaves.darker(100 + 12 * k));
        p.drawPolygon(tier);
    }
}

void drawPalm(QPainter& p) {
    p.setPen(QPen(QColor(140, 96, 48), 3.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath trunk;
    trunk.moveTo(20, 34);
    trunk.quadTo(17, 22, 22, 11);
    p.setBrush(Qt::NoBrush);
    p.drawPath(trunk);
    p.setPen(QPen(QColor(30, 170, 50), 2.6, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 5; ++k) {
        const double a = std::numbers::pi * (1.05 + 0.23 * k);
        QPainterPath leaf;
        leaf.moveTo(22, 11);
        leaf.quadTo(22 + 9 * std::cos(a), 11 + 9 * std::sin(a) - 3, 22 + 12 * std::cos(a), 11 + 12 * std::sin(a) + 4);
        p.drawPath(leaf);
    }
}

void drawFallbackTree(QPainter& p, int variant) {
    const QColor greens[] = {QColor(40, 150, 40), QColor(240, 140, 30), QColor(210, 40, 30), QColor(250, 160, 200),
                             QColor(70, 190, 60)};
    drawShadow(p, 22);
    switch (variant == 5 ? 0 : variant % 4) {  // the apple tree stays round
        case 1: drawPine(p, QPointF(20, 35), 30, QColor(20, 110, 50)); break;
        case 2: drawPalm(p); break;
        default: drawRoundTree(p, QPointF(20, 35), 32, greens[(variant / 4) % 5]); break;
    }
    if (variant == 5) drawExtra(p, Extra::Apples);
    if (variant == 11) drawExtra(p, Extra::Lemons);
}

void drawFallbackFlower(QPainter& p, int variant) {
    const QColor petals[] = {QColor(230, 40, 60),  QColor(250, 210, 40), QColor(240, 120, 200),
                             QColor(150, 90, 230), QColor(255, 255, 255), QColor(250, 130, 40)};
    p.setPen(QPen(QColor(30, 100, 30), 1.6));
    p.drawLine(QPointF(20, 34), QPointF(20, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 40));
    p.drawEllipse(QPointF(16, 28), 4, 1.8);
    const int count = 5 + variant % 3;
    p.setBrush(petals[variant % 6]);
    for (int k = 0; k < count; ++k) {
        const double a = 2 * std::numbers::pi * k / count;
        p.drawEllipse(QPointF(20 + 5 * std::cos(a), 14 + 5 * std::sin(a)), 3.6, 3.6);
    }
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(20, 14), 3, 3);
}

void drawFallbackHouse(QPainter& p, int variant) {
    const QColor walls[] = {QColor(240, 230, 200), QColor(250, 200, 150), QColor(220, 220, 230), QColor(255, 240, 170)};
    const QColor roofs[] = {QColor(190, 50, 40), QColor(120, 70, 40), QColor(70, 80, 110), QColor(60, 130, 70)};
    drawShadow(p, 30);
    p.setPen(QPen(QColor(60, 40, 30), 0.8));
    p.setBrush(walls[variant % 4]);
    p.drawRect(QRectF(8, 18, 24, 16));
    QPolygonF roof;
    roof << QPointF(5, 19) << QPointF(20, 6) << QPointF(35, 19);
    p.setBrush(roofs[(variant / 2) % 4]);
    p.drawPolygon(roof);
    p.setBrush(QColor(120, 70, 40));
    p.drawRect(QRectF(17, 25, 6, 9));
    p.setBrush(QColor(150, 210, 250));
    p.drawRect(QRectF(10, 22, 5, 5));
    p.drawRect(QRectF(25, 22, 5, 5));
    if (variant == 2) {  // the church gets its cross
        p.setPen(QPen(QColor(240, 200, 60), 1.6));
        p.drawLine(QPointF(20, 0.5), QPointF(20, 7));
        p.drawLine(QPointF(17.5, 2.8), QPointF(22.5, 2.8));
    }
}

void drawFallbackBall(QPainter& p, int variant) {
    const QColor balls[] = {QColor(250, 250, 250), QColor(240, 120, 30), QColor(150, 80, 40), QColor(230, 240, 60),
                            QColor(40, 90, 200)};
    drawShadow(p, 20);
    p.setPen(QPen(QColor(30, 30, 30), 1.0));
    p.setBrush(balls[variant % 5]);
    p.drawEllipse(QPointF(20, 21), 10, 10);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(12, 11, 16, 20), 60 * 16, 60 * 16);
    p.drawLine(QPointF(10, 21), QPointF(30, 21));
}

void drawFallbackAnimal(QPainter& p, int variant) {
    const QColor furs[] = {QColor(250, 250, 250), QColor(160, 100, 50), QColor(240, 170, 170), QColor(90, 90, 90),
                           QColor(230, 160, 60),  QColor(250, 230, 120), QColor(60, 40, 30)};
    const QColor fur = furs[variant % 7];
    drawShadow(p, 26);
    p.setPen(QPen(fur.darker(200), 0.8));
    p.setBrush(fur);
    for (double x : {12.0, 16.0, 24.0, 28.0}) p.drawRect(QRectF(x - 1.2, 24, 2.4, 9));
    p.drawEllipse(QPointF(20, 22), 11, 6.5);
    p.drawEllipse(QPointF(30.5, 14.5), 5, 4.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(32, 13.5), 0.9, 0.9);
}

void drawFallback(QPainter& p, int code) {
    const int variant = code % 100 - 1;
    switch (familyOf(code)) {
        case Family::Tree: drawFallbackTree(p, variant); break;
        case Family::Flower: drawFallbackFlower(p, variant); break;
        case Family::House: drawFallbackHouse(p, variant); break;
        case Family::Sport: drawFallbackBall(p, variant); break;
        default: drawFallbackAnimal(p, variant); break;
    }
}

void drawGrove(QPainter& p, bool emoji) {
    drawShadow(p, 32);
    if (emoji) {
        drawEmoji(p, QStringLiteral("🌲"), QRectF(-8, -6, 40, 40), 22);
        drawEmoji(p, QStringLiteral("🌳"), QRectF(8, 0, 40, 40), 22);
        return;
    }
    drawPine(p, QPointF(13, 30), 24, QColor(20, 110, 50));
    drawRoundTree(p, QPointF(27, 36), 24, QColor(50, 160, 40));
}

}  // namespace

QImage decorationTile(int code) { return decorationTile(code, emojiFontAvailable()); }

QImage decorationTile(int code, bool withEmoji) {
    QImage img = grassTile(std::uint32_t(code));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Decoration& d = decorationOf(code);
    const bool emoji = withEmoji;
    switch (d.drawn) {
        case Drawn::Pitch: drawPitch(p); break;
        case Drawn::Court: drawCourt(p); break;
        case Drawn::Pool: drawPool(p); break;
        case Drawn::Grove: drawGrove(p, emoji); break;
        case Drawn::None:
            if (emoji)
                drawEmojiDecoration(p, d);
            else
                drawFallback(p, code);
            break;
    }
    return img;
}

}  // namespace pendix::installer
