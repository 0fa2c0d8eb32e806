#include "about_track.h"

#include "shared/tile_catalogue.h"

namespace pendix {
namespace {

constexpr int kNear = 360;  // the track's top and left edge
constexpr int kFar = 5400;  // its bottom and right edge
constexpr int kStep = 360;  // from one box to the next
constexpr int kCornerBottomLeft = 14, kCornerBottomRight = 28, kCornerTopRight = 42;

// Directions as the car pictures name them: 1 up, 2 down, 3 right, 4 left, 5..8 inside a turn.
constexpr int kUp = 1, kDown = 2, kRight = 3, kLeft = 4, kUpRight = 5, kUpLeft = 6, kDownLeft = 7, kDownRight = 8;

int passingDirection(int cell) {
    if (cell == 0) return kDownLeft;
    if (cell < kCornerBottomLeft) return kDown;
    if (cell == kCornerBottomLeft) return kDownRight;
    if (cell < kCornerBottomRight) return kRight;
    if (cell == kCornerBottomRight) return kUpRight;
    if (cell < kCornerTopRight) return kUp;
    if (cell == kCornerTopRight) return kUpLeft;
    return kLeft;
}

}  // namespace

TrackPosition trackPosition(int cell) {
    if (cell <= kCornerBottomLeft) return {kNear, kNear + kStep * cell};
    if (cell <= kCornerBottomRight) return {kNear + kStep * (cell - kCornerBottomLeft), kFar};
    if (cell <= kCornerTopRight) return {kFar, kFar - kStep * (cell - kCornerBottomRight)};
    return {kFar - kStep * (cell - kCornerTopRight), kNear};
}

std::string trackCarBitmap(int cell) { return carBitmap(passingDirection(cell)); }

std::array<int, kTrackCars> carCells(int offset) {
    std::array<int, kTrackCars> cells{};
    for (int k = 0; k < kTrackCars; ++k) cells[k] = offset + kCarSpacing * k;
    return cells;
}

}  // namespace pendix
