#pragma once
// The editor's reading of a level file (on the shared line layout): what the
// loader draws on each cell and overlay. The editor keeps every line's numeric
// value as the cell's tag, draws each 7-character line's arrow and Target mark on
// its target whatever the line's first three characters, the car after all links
// and the end marker only on a plain street. Plain C++ on raw bytes.
#include "shared/level_format/level_lines.h"
#include "shared/tile_catalogue.h"

#include <array>
#include <string>
#include <vector>

namespace pendix::editor {

struct LoadedCell {
    std::string picture;    // data path of the tile, "" to leave the cell's picture as it is
    std::string tag;        // the line's numeric value as text: "0", "101", "9051231"
    bool animated = false;  // 801..821: its frame counter starts at 1
};

// What one 7-character line puts on its target cell's overlay.
struct TargetOverlay {
    int cell = 0;         // the target, 0..399
    std::string picture;  // the arrow of the exit direction, "" for an exit that is none
    std::string mark;     // the Target mark (its exit character as the line held it)
    bool operator==(const TargetOverlay&) const = default;
};

struct LoadedLevel {
    std::array<LoadedCell, kCellCount> cells;
    // In the order of their source cells, so a later link to the same target wins.
    // A target beyond the board has no overlay and is left out.
    std::vector<TargetOverlay> targets;
    bool startOnBoard = false;  // only then the start cell's overlay shows the start
    std::string carPicture;     // "" unless the start is on the board and its direction 1..8
    std::string endMarker;      // "" unless the end is on the board and its line reads 101..111
};

LoadedLevel loadedLevel(const LevelLines& level);

}  // namespace pendix::editor
