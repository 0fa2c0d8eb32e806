#pragma once
// The square track of the about box: 56 cells along the window's edge, numbered
// anticlockwise from the top-left corner, and eight cars on it seven cells apart.
// Plain C++, so the geometry and the step rule are checked with tables.
#include <array>
#include <string>

namespace pendix {

inline constexpr int kTrackCells = 56;
inline constexpr int kTrackCars = 8;
inline constexpr int kCarSpacing = kTrackCells / kTrackCars;  // 7: the picture repeats every 7 steps
inline constexpr int kTrackBoxSize = 375;                     // twips

struct TrackPosition {
    int left = 0;  // twips in the window's inner area
    int top = 0;
    bool operator==(const TrackPosition&) const = default;
};

// Where the box of a cell 0..55 stands: left edge downwards, bottom edge to the
// right, right edge upwards, top edge to the left; neighbours 360 twips apart.
TrackPosition trackPosition(int cell);

// The car picture of a cell: the car heading the way the cars pass it, the
// corners showing it inside the turn.
std::string trackCarBitmap(int cell);

// The cells the eight cars stand on at offset 0..6: offset, offset + 7, ..., offset + 49.
std::array<int, kTrackCars> carCells(int offset);

}  // namespace pendix
