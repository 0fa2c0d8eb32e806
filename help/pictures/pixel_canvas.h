#pragma once
// A canvas for pictures in the look of 16-colour images: every pixel takes one
// colour of the classic 16-colour palette, decided at the pixel's centre, so
// edges stay crisp and nothing is blended.
#include <QImage>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <type_traits>

namespace pendix::hilfe {

// The classic 16-colour palette, in its usual order.
enum class Colour16 {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
};
QRgb rgbOf(Colour16 colour);
// True for the 16 colours (fully opaque) and for full transparency.
bool isSixteenColourPixel(QRgb pixel);

// The distance of (dx, dy) from the origin. The pictures' distances are a few
// hundred pixels at most, so the guard of std::hypot against overflow buys
// nothing here and costs most of the drawing time.
inline double squaredDistance(double dx, double dy) { return dx * dx + dy * dy; }
inline double distance(double dx, double dy) { return std::sqrt(squaredDistance(dx, dy)); }

// A rectangle in the canvas's pixels, edges included.
struct Area {
    double left, top, right, bottom;
    static Area around(double cx, double cy, double radius) {
        return {cx - radius, cy - radius, cx + radius, cy + radius};
    }
};

// A region given by whether a point (in pixels, 0.5 being the centre of the first
// pixel) lies in it, and where known the area it never leaves: filling it looks
// only at the pixels there, each decided as before.
class Shape {
public:
    using Test = std::function<bool(double x, double y)>;
    // A region that may lie anywhere on the canvas.
    template <class F>
        requires(!std::is_same_v<std::decay_t<F>, Shape> && std::is_invocable_r_v<bool, F&, double, double>)
    Shape(F test) : test_(std::move(test)) {}
    Shape(Test test, Area area) : test_(std::move(test)), area_(area) {}

    bool operator()(double x, double y) const { return test_(x, y); }
    const std::optional<Area>& area() const { return area_; }

private:
    Test test_;
    std::optional<Area> area_;  // none: anywhere
};
// The colour a pattern gives a pixel of a region.
using Pattern = std::function<Colour16(int x, int y)>;

class PixelCanvas {
public:
    // A transparent canvas (icons), or one filled with a background colour.
    PixelCanvas(int width, int height);
    PixelCanvas(int width, int height, Colour16 background);

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    void set(int x, int y, Colour16 colour);
    void fill(const Shape& shape, Colour16 colour);
    void fill(const Shape& shape, const Pattern& pattern);
    // A small hand-set picture: one string per row, one character per pixel
    // (see the legend in the source); '.' and ' ' leave the canvas as it is.
    void sprite(int left, int top, std::initializer_list<std::string_view> rows);

    const QImage& image() const { return image_; }

private:
    QImage image_;
};

// --- Shapes ------------------------------------------------------------------
// Each lies within its own bounds; the two that take a shape stay within its area.
Shape box(double left, double top, double right, double bottom);
Shape disc(double cx, double cy, double radius);
Shape ring(double cx, double cy, double inner, double outer);
// The points of `shape` that are not in `hole`.
Shape without(Shape shape, Shape hole);
// The pixels of `shape` that touch a pixel outside it: its one-pixel outline.
Shape edgeOf(Shape shape);
// A shape drawn in a frame of its own: `local` gets the point's distance along
// the heading (forward positive) and across it (to the right positive), seen
// from (cx, cy); `degrees` turns the heading clockwise from "to the right".
// `local` holds no point farther than `reach` from (cx, cy).
Shape turned(double cx, double cy, double degrees, std::function<bool(double along, double across)> local,
             double reach);

}  // namespace pendix::hilfe
