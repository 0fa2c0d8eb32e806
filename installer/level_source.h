#pragma once
// The readable form in which the built-in levels are kept in the repository
// (installer/levels/levelN.txt), and its translation into a level file.
#include "shared/tile_catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pendix {

struct LevelSource {
    std::string name;                           // UTF-8
    std::array<std::string, kCellCount> cells;  // each cell's level-file line: "", "101", "9120451"
    int start = 0;
    int startDirection = 0;
    int end = 0;
};

// On failure returns nullopt and, when error is given, a message naming the line.
std::optional<LevelSource> parseLevelSource(std::string_view text, std::string* error = nullptr);

}  // namespace pendix
