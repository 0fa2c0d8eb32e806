#pragma once
// A canvas for pictures in the look of 16-colour images: every pixel takes one
// colour of the classic 16-colour palette, decided at the pixel's centre, so
// edges stay crisp and nothing is blended.
#include <QImage>

#include <functional>
#include <initializer_list>
#include <string_view>

namespace pendix::hilfe {

// The classic 16-colour palette, in its usual order.
enum class Colour16 {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
};
QRgb rgbOf(Colour16 colour);
// True for the 16 colours (fully opaque) and for full transparency.
bool isSixteenColourPixel(QRgb pixel);

// A region given by whether a point (in pixels, 0.5 being the centre of the first pixel) lies in it.
using Shape = std::function<bool(double x, double y)>;
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
Shape turned(double cx, double cy, double degrees, std::function<bool(double along, double across)> local);

}  // namespace pendix::hilfe
