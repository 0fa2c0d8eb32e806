#include "help/pictures/pixel_canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace pendix::hilfe {
namespace {

constexpr std::array<QRgb, 16> kPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

// The sprite legend: one letter per colour.
bool colourOfLetter(char letter, Colour16& colour) {
    constexpr std::string_view kLetters = "kmgonptsdrlybfaw";
    const auto at = kLetters.find(letter);
    if (at == std::string_view::npos) return false;
    colour = static_cast<Colour16>(at);
    return true;
}

// The pixels of a row or column whose centre may lie in [from, to]; one more at
// each end than the centres need, so no rounding of the area's edges drops one.
struct PixelRange {
    int first, last;
};
PixelRange pixelsWithin(double from, double to, int count) {
    const double first = std::floor(from - 0.5), last = std::ceil(to - 0.5);
    if (!(first <= last)) return {0, -1};  // also for an area of NaN
    return {static_cast<int>(std::clamp(first, 0.0, static_cast<double>(count))),
            static_cast<int>(std::clamp(last, -1.0, static_cast<double>(count - 1)))};
}

}  // namespace

QRgb rgbOf(Colour16 colour) { return kPalette[static_cast<std::size_t>(colour)]; }

bool isSixteenColourPixel(QRgb pixel) {
    if (qAlpha(pixel) == 0) return true;
    for (QRgb entry : kPalette)
        if (pixel == entry) return true;
    return false;
}

PixelCanvas::PixelCanvas(int width, int height) : image_(width, height, QImage::Format_ARGB32) {
    image_.fill(Qt::transparent);
}

PixelCanvas::PixelCanvas(int width, int height, Colour16 background) : image_(width, height, QImage::Format_ARGB32) {
    image_.fill(rgbOf(background));
}

void PixelCanvas::set(int x, int y, Colour16 colour) {
    if (image_.valid(x, y)) image_.setPixel(x, y, rgbOf(colour));
}

void PixelCanvas::fill(const Shape& shape, Colour16 colour) {
    fill(shape, [colour](int, int) { return colour; });
}

void PixelCanvas::fill(const Shape& shape, const Pattern& pattern) {
    const Area all{0, 0, static_cast<double>(width()), static_cast<double>(height())};
    const Area area = shape.area().value_or(all);
    const PixelRange rows = pixelsWithin(area.top, area.bottom, height());
    const PixelRange columns = pixelsWithin(area.left, area.right, width());
    for (int y = rows.first; y <= rows.last; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = columns.first; x <= columns.last; ++x)
            if (shape(x + 0.5, y + 0.5)) row[x] = rgbOf(pattern(x, y));
    }
}

void PixelCanvas::sprite(int left, int top, std::initializer_list<std::string_view> rows) {
    int y = top;
    for (std::string_view row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            Colour16 colour;
            if (colourOfLetter(row[i], colour)) set(left + static_cast<int>(i), y, colour);
        }
        ++y;
    }
}

namespace {

// A shape made from `shape` keeps its area: it holds none of the points outside it.
Shape within(const Shape& shape, Shape::Test test) {
    if (shape.area()) return Shape(std::move(test), *shape.area());
    return Shape(std::move(test));
}

}  // namespace

Shape box(double left, double top, double right, double bottom) {
    return Shape([=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; },
                 Area{left, top, right, bottom});
}

Shape disc(double cx, double cy, double radius) {
    // Squared distances: no root for each of the pixels.
    const double limit = radius * radius;
    return Shape([=](double x, double y) { return squaredDistance(x - cx, y - cy) < limit; },
                 Area::around(cx, cy, radius));
}

Shape ring(double cx, double cy, double inner, double outer) {
    const double from = inner * inner, to = outer * outer;
    return Shape(
        [=](double x, double y) {
            const double d = squaredDistance(x - cx, y - cy);
            return d >= from && d < to;
        },
        Area::around(cx, cy, outer));
}

Shape without(Shape shape, Shape hole) {
    return within(shape, [shape, hole = std::move(hole)](double x, double y) { return shape(x, y) && !hole(x, y); });
}

Shape edgeOf(Shape shape) {
    return within(shape, [shape](double x, double y) {
        return shape(x, y) && !(shape(x - 1, y) && shape(x + 1, y) && shape(x, y - 1) && shape(x, y + 1));
    });
}

Shape turned(double cx, double cy, double degrees, std::function<bool(double along, double across)> local,
             double reach) {
    const double a = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    return Shape(
        [=, local = std::move(local)](double x, double y) {
            const double dx = x - cx, dy = y - cy;
            return local(dx * c + dy * s, -dx * s + dy * c);
        },
        Area::around(cx, cy, reach));
}

}  // namespace pendix::hilfe
