#include "help/pictures/motifs.h"

#include <cmath>
#include <numbers>

namespace pendix::hilfe {
namespace {

using enum Colour16;

constexpr double kKerb = 3;
constexpr double kDash = 12;  // one white dash and its gap along the middle line

// A fixed scatter: the same picture at every load.
unsigned scatter(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    return h ^ (h >> 15);
}

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

bool inRoundedBox(double along, double across, double halfLength, double halfWidth, double corner) {
    const double qx = std::max(std::abs(along) - (halfLength - corner), 0.0);
    const double qy = std::max(std::abs(across) - (halfWidth - corner), 0.0);
    return distance(qx, qy) < corner;
}

Pattern asphalt() {
    return [](int x, int y) { return scatter(x, y) % 71 == 0 ? Silver : Grey; };
}

Colour16 chequer(double a, double b, double cell) {
    const int i = static_cast<int>(std::floor(a / cell)) + static_cast<int>(std::floor(b / cell));
    return i % 2 == 0 ? White : Black;
}

}  // namespace

void drawGrass(PixelCanvas& canvas) {
    canvas.fill([](double, double) { return true; }, [](int x, int y) {
        const unsigned h = scatter(x, y) % 53;
        return h == 0 ? Lime : h == 1 ? Olive : Green;
    });
}

void drawCurve(PixelCanvas& canvas, const Curve& c) {
    const double inner = c.radius - c.halfWidth, outer = c.radius + c.halfWidth;
    canvas.fill(ring(c.cx, c.cy, inner - kKerb, outer + kKerb), Silver);
    canvas.fill(edgeOf(ring(c.cx, c.cy, inner - kKerb, outer + kKerb)), Grey);
    canvas.fill(ring(c.cx, c.cy, inner, outer), asphalt());
    const Shape middleLine(
        [c](double x, double y) {
            const double d = distance(x - c.cx, y - c.cy);
            if (std::abs(d - c.radius) >= 1.25) return false;
            const double along = c.radius * std::atan2(y - c.cy, x - c.cx);
            return std::fmod(along + 1000 * kDash, kDash) < kDash / 2;
        },
        Area::around(c.cx, c.cy, c.radius + 1.25));
    canvas.fill(middleLine, White);
}

void drawFinishBand(PixelCanvas& canvas, const Curve& c, double degrees) {
    const double inner = c.radius - c.halfWidth, outer = c.radius + c.halfWidth;
    const double middle = radians(degrees);
    constexpr double kCell = 4, kBand = 2 * kCell;
    auto along = [c, middle](double x, double y) {
        return std::remainder(std::atan2(y - c.cy, x - c.cx) - middle, 2 * std::numbers::pi) * c.radius;
    };
    const Shape band(
        [=](double x, double y) {
            const double d = distance(x - c.cx, y - c.cy);
            return d >= inner && d < outer && std::abs(along(x, y)) < kBand / 2;
        },
        Area::around(c.cx, c.cy, outer));
    // Squares upright on the screen: crisp however the band lies.
    canvas.fill(band, [=](int x, int y) { return chequer(x, y, kCell); });
}

void drawStraight(PixelCanvas& canvas, int top, int bottom) {
    const double w = canvas.width();
    canvas.fill(box(0, top, w, bottom), Silver);
    canvas.fill(box(0, top, w, top + 1), Grey);
    canvas.fill(box(0, bottom - 1, w, bottom), Grey);
    canvas.fill(box(0, top + 2, w, bottom - 2), asphalt());
    const double middle = (top + bottom) / 2.0;
    canvas.fill(Shape([=](double x, double y) { return std::abs(y - middle) < 1 && std::fmod(x, 12) < 6; },
                      Area{0, middle - 1, w, middle + 1}),
                White);
}

void drawFinishBand(PixelCanvas& canvas, int top, int bottom, int left, int width) {
    canvas.fill(box(left, top + 2, left + width, bottom - 2),
                [=](int x, int y) { return chequer(x - left, y - top - 2, 4); });
}

void drawCar(PixelCanvas& canvas, double cx, double cy, double degrees, double scale) {
    // Every part lies within 15 of the car's units from its centre.
    auto part = [&](auto local) {
        return turned(
            cx, cy, degrees, [=](double a, double b) { return local(a / scale, b / scale); }, 15 * scale);
    };
    // Wheels first: the body covers their inner halves.
    canvas.fill(part([](double a, double b) {
                    return std::abs(std::abs(a) - 7) < 2.5 && std::abs(b) < 7.5;
                }),
                Black);
    const Shape body = part([](double a, double b) { return inRoundedBox(a, b, 12, 6, 3); });
    canvas.fill(body, Red);
    canvas.fill(edgeOf(body), Maroon);
    // Rear window, windscreen and the roof's shine, front to the right.
    canvas.fill(part([](double a, double b) { return a >= -7.5 && a < -4.5 && std::abs(b) < 4; }), Navy);
    canvas.fill(part([](double a, double b) { return a >= 2 && a < 6 && std::abs(b) < 4.5 - (a - 2) * 0.25; }),
                Teal);
    canvas.fill(part([](double a, double b) { return a >= 5 && a < 6 && std::abs(b) < 3; }), Aqua);
    canvas.fill(part([](double a, double b) { return a >= -3.5 && a < 1 && b >= -4 && b < -3; }), White);
    canvas.fill(part([](double a, double b) { return a >= 10 && a < 11.5 && std::abs(b) >= 2 && std::abs(b) < 4.5; }),
                Yellow);
}

void drawTransporterPad(PixelCanvas& canvas, double cx, double cy, double r) {
    canvas.fill(disc(cx, cy, r + 1), Navy);
    canvas.fill(disc(cx, cy, r), Purple);
    canvas.fill(disc(cx, cy, 0.8 * r), Blue);
    canvas.fill(disc(cx, cy, 0.55 * r), Aqua);
    canvas.fill(disc(cx, cy, 0.3 * r), White);
    canvas.fill(ring(cx, cy, 0.8 * r, 0.8 * r + 1), Fuchsia);
    // Four sparkles on the blue ring.
    for (int k = 0; k < 4; ++k) {
        const double a = radians(45 + 90 * k);
        const int x = static_cast<int>(std::floor(cx + std::cos(a) * 0.68 * r));
        const int y = static_cast<int>(std::floor(cy + std::sin(a) * 0.68 * r));
        canvas.sprite(x - 1, y - 1, {".w.", "www", ".w."});
    }
}

void drawTree(PixelCanvas& canvas, double cx, double cy, double r) {
    // A dithered shadow to the lower right, the trunk, then the crown over both.
    const double shadowX = cx + 0.45 * r, shadowY = cy + 0.95 * r;
    const Shape shadow(
        [=](double x, double y) { return distance((x - shadowX) / (1.05 * r), (y - shadowY) / (0.4 * r)) < 1; },
        Area{shadowX - 1.05 * r, shadowY - 0.4 * r, shadowX + 1.05 * r, shadowY + 0.4 * r});
    canvas.fill(shadow, [](int x, int y) { return (x + y) % 2 == 0 ? Black : Green; });
    const Shape trunk = box(cx - 0.2 * r, cy + 0.5 * r, cx + 0.2 * r, cy + 1.35 * r);
    canvas.fill(trunk, Maroon);
    canvas.fill(box(cx - 0.2 * r, cy + 0.5 * r, cx - 0.05 * r, cy + 1.35 * r), Olive);
    canvas.fill(edgeOf(trunk), Black);
    // The crown of three leafy lobes, lit from the upper left.
    const Shape top = disc(cx, cy - 0.15 * r, 0.75 * r), left = disc(cx - 0.42 * r, cy + 0.22 * r, 0.58 * r),
                right = disc(cx + 0.42 * r, cy + 0.22 * r, 0.58 * r);
    const Shape crown([=](double x, double y) { return top(x, y) || left(x, y) || right(x, y); },
                      Area::around(cx, cy, r));
    canvas.fill(crown, [=](int x, int y) {
        const double light = ((x + 0.5 - cx) + (y + 0.5 - cy)) / r;
        if (light < -0.45) return Lime;
        if (light < 0.15) return (x + y) % 2 == 0 ? Lime : Green;
        return Green;
    });
    canvas.fill(edgeOf(crown), Black);
    // A few apples.
    const double apples[][2] = {{-0.35, -0.3}, {0.3, -0.45}, {0.45, 0.25}, {-0.5, 0.4}, {0.0, 0.15}};
    for (const auto& a : apples) {
        const int x = static_cast<int>(std::floor(cx + a[0] * r));
        const int y = static_cast<int>(std::floor(cy + a[1] * r));
        canvas.sprite(x - 1, y - 1, {".r.", "rrr", ".r."});
        canvas.set(x - 1, y - 1, White);
    }
}

void drawFlag(PixelCanvas& canvas, int x, int y) {
    constexpr int kPole = 30;
    canvas.fill(box(x, y - kPole, x + 2, y), Silver);
    canvas.fill(box(x + 1, y - kPole, x + 2, y), Grey);
    canvas.sprite(x - 1, y - kPole - 2, {".yy.", "yyyy", ".yy."});
    const int left = x + 2, top = y - kPole + 1;
    const Shape cloth = box(left, top, left + 16, top + 12);
    canvas.fill(cloth, [=](int px, int py) { return chequer(px - left, py - top, 4); });
    canvas.fill(edgeOf(cloth), Black);
    canvas.fill(box(x - 2, y - 1, x + 4, y + 1), Black);
}

}  // namespace pendix::hilfe
