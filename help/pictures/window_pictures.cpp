#include "help/pictures/window_pictures.h"

#include "help/pictures/motifs.h"
#include "platform/start_phases.h"

#include <QPixmap>

#include <cmath>
#include <initializer_list>

namespace pendix::hilfe {
namespace {

using enum Colour16;

constexpr double kFar = kCornerSize;  // the corner a curve bends around
constexpr double kMid = kCornerSize / 2.0;

platform::Picture named(const char* name, const PixelCanvas& canvas) {
    return platform::drawnPicture(QString::fromLatin1(name), QPixmap::fromImage(canvas.image()));
}

struct Flower {
    int x, y;
    char petal;  // a sprite letter
};

void drawFlower(PixelCanvas& canvas, const Flower& flower) {
    const char row[] = {'.', flower.petal, '.', '\0'};
    const char middle[] = {flower.petal, 'y', flower.petal, '\0'};
    canvas.sprite(flower.x - 1, flower.y - 1, {row, middle, row});
}

// Grass, a curve of street around one corner of the picture, and a few flowers
// in the free grass; the motif comes on top.
PixelCanvas cornerScene(const Curve& curve, std::initializer_list<Flower> flowers) {
    PixelCanvas canvas(kCornerSize, kCornerSize, Green);
    drawGrass(canvas);
    drawCurve(canvas, curve);
    for (const Flower& flower : flowers) drawFlower(canvas, flower);
    return canvas;
}

// Where a curve around a corner of the picture is halfway through its bend.
constexpr double kHalfway = kMid * 0.70710678118654752;

PixelCanvas carOnCurve() {
    PixelCanvas canvas = cornerScene({kFar, kFar, kMid}, {{12, 14, 'w'}, {22, 8, 'r'}, {8, 27, 'f'}});
    // From the right arm into the bottom arm.
    drawCar(canvas, kFar - kHalfway, kFar - kHalfway, 135, 1.3);
    return canvas;
}

PixelCanvas transporter() {
    PixelCanvas canvas = cornerScene({0, kFar, kMid}, {{70, 12, 'y'}, {60, 7, 'w'}, {74, 25, 'r'}});
    drawTransporterPad(canvas, kHalfway, kFar - kHalfway, 12);
    return canvas;
}

PixelCanvas tree() {
    PixelCanvas canvas = cornerScene({kFar, 0, kMid}, {{45, 75, 'y'}, {6, 76, 'w'}});
    drawTree(canvas, 21, 55, 16);
    return canvas;
}

PixelCanvas endMarker() {
    const Curve curve{0, 0, kMid};
    PixelCanvas canvas = cornerScene(curve, {});
    drawFinishBand(canvas, curve, 45);
    drawFlag(canvas, 60, 76);
    return canvas;
}

}  // namespace

platform::Picture windowIcon() {
    const platform::PictureTiming timing;  // counted in the start log, when it is on
    PixelCanvas canvas(kIconSize, kIconSize);
    // The street under the car.
    canvas.fill(box(0, 28, 32, 32), Grey);
    canvas.fill(box(0, 28, 32, 29), Black);
    canvas.fill([](double x, double y) { return y >= 30 && y < 31 && std::fmod(x, 8) < 4; }, White);

    // The car from the side, driving to the right.
    const Shape body = [](double x, double y) {
        const bool lower = x >= 1 && x < 31 && y >= 17 && y < 25 && !(x < 2 && y < 18) && !(x >= 30 && y < 18);
        const double slope = (y - 11) * 0.6;  // the cabin narrows towards its roof
        const bool cabin = y >= 11 && y < 17 && x >= 10 - slope && x < 22 + slope;
        return lower || cabin;
    };
    canvas.fill(body, Red);
    canvas.fill(edgeOf(body), Maroon);
    const Shape windows = [](double x, double y) {
        const double slope = (y - 12) * 0.6;
        return y >= 12 && y < 17 && x >= 11 - slope && x < 21 + slope && !(x >= 15.5 && x < 17);
    };
    canvas.fill(windows, Aqua);
    canvas.fill([](double x, double y) { return y >= 12 && y < 13 && x >= 11 && x < 15.5; }, White);
    canvas.fill(box(16, 17, 17, 24), Maroon);
    canvas.fill(box(29, 19, 31, 21), Yellow);
    canvas.fill(box(1, 19, 2, 21), Yellow);
    for (double wheel : {8.0, 24.0}) {
        canvas.fill(disc(wheel, 25, 4), Black);
        canvas.fill(disc(wheel, 25, 2), Silver);
    }

    // The question, in a speech bubble above the car.
    const Shape bubble = [](double x, double y) {
        const bool round = distance((x - 24.5) / 7.5, (y - 6) / 6) < 1;
        const bool tail = y >= 10 && y < 14 && x >= 19 + (y - 10) * 0.25 && x < 23 - (y - 10);
        return round || tail;
    };
    canvas.fill(bubble, White);
    canvas.fill(edgeOf(bubble), Black);
    canvas.sprite(22, 2, {
                             ".bbb.",
                             "bb.bb",
                             "...bb",
                             "..bb.",
                             "..b..",
                             ".....",
                             "..b..",
                         });
    return named("frmHaupt.Icon", canvas);
}

platform::Picture cornerPicture(int corner) {
    const platform::PictureTiming timing;  // counted in the start log, when it is on
    switch (corner) {
    case 1: return named("frmHaupt.Picture1", carOnCurve());
    case 2: return named("frmHaupt.Picture2", transporter());
    case 3: return named("frmHaupt.Picture3", tree());
    case 4: return named("frmHaupt.Picture4", endMarker());
    default: return {};
    }
}

platform::Picture headingPicture() {
    const platform::PictureTiming timing;  // counted in the start log, when it is on
    PixelCanvas canvas(kHeadingWidth, kHeadingHeight, Green);
    drawGrass(canvas);
    constexpr int kTop = 5, kBottom = 25;
    drawStraight(canvas, kTop, kBottom);
    drawFinishBand(canvas, kTop, kBottom, 194, 8);
    // Speed lines behind the car.
    for (int y : {10, 15, 20}) canvas.fill(box(18, y, 25, y + 1), White);
    drawCar(canvas, 42, 15, 0);
    for (int x = 8; x < kHeadingWidth - 8; x += 23) {
        drawFlower(canvas, {x, 2, x % 2 == 0 ? 'y' : 'w'});
        drawFlower(canvas, {x + 11, 27, x % 2 == 0 ? 'r' : 'y'});
    }
    canvas.fill(edgeOf(box(0, 0, kHeadingWidth, kHeadingHeight)), Black);
    return named("frmHaupt.Command", canvas);
}

}  // namespace pendix::hilfe
