#pragma once
// The game's motifs, drawn on a 16-colour canvas for the help launcher's
// pictures: grass, a curve of street, the red car, the transporter pad, a tree
// and the chequered end marker. Measures are in pixels of the canvas.
#include "help/pictures/pixel_canvas.h"

namespace pendix::hilfe {

// The board's green with a sprinkle of lighter and darker blades.
void drawGrass(PixelCanvas& canvas);

// A quarter of a street curving around the point (cx, cy), its middle line at
// `radius` from it: grey asphalt with kerbs and a dashed white middle line.
struct Curve {
    double cx, cy, radius;
    double halfWidth = 16;
};
void drawCurve(PixelCanvas& canvas, const Curve& curve);
// A chequered band across the curve, where the direction from its centre
// points to `degrees` (clockwise from "to the right").
void drawFinishBand(PixelCanvas& canvas, const Curve& curve, double degrees);

// A straight street from left to right between `top` and `bottom`.
void drawStraight(PixelCanvas& canvas, int top, int bottom);
// A chequered band across that street, `left` to `left + width`.
void drawFinishBand(PixelCanvas& canvas, int top, int bottom, int left, int width);

// The red car seen from above, 24 pixels long at scale 1, centred on (cx, cy),
// heading `degrees` clockwise from "to the right".
void drawCar(PixelCanvas& canvas, double cx, double cy, double degrees, double scale = 1);
// The transporter's glowing pad.
void drawTransporterPad(PixelCanvas& canvas, double cx, double cy, double radius);
// A round tree with its trunk, the crown centred on (cx, cy).
void drawTree(PixelCanvas& canvas, double cx, double cy, double radius);
// A chequered flag on its pole, the pole's foot at (x, y).
void drawFlag(PixelCanvas& canvas, int x, int y);

}  // namespace pendix::hilfe
