#pragma once
// Writing a level file: the name line, the 400 cell lines, start cell, start
// direction, end cell and one closing empty line, every line ended by CR LF.
#include <array>
#include <string>
#include <string_view>

#include "shared/tile_catalogue.h"

namespace pendix {

// nameBytes is already in the file's code page (Windows-1252). A cell line whose
// numeric value is not above 0 is written empty.
std::string levelFileBytes(std::string_view nameBytes, const std::array<std::string, kCellCount>& cells, int start,
                           int startDirection, int end);

}  // namespace pendix
