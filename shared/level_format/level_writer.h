#pragma once
// Writing a level file: the name line, the 400 cell lines, start cell, start
// direction, end cell and one closing empty line (405 lines), every line ended by
// CR LF. The editor's save, the installer and the tests write through it.
#include "shared/tile_catalogue.h"

#include <array>
#include <string>
#include <string_view>

namespace pendix {

// nameBytes is already in the file's code page (Windows-1252) and written as it
// stands. A cell line is written unchanged when its numeric value is above 0,
// else empty. Start, direction and end are plain decimal text. A CR or LF inside a
// text would start a line of its own and shift every later line, so it is written
// as a blank.
std::string levelFileBytes(std::string_view nameBytes, const std::array<std::string, kCellCount>& cells, int start,
                           int startDirection, int end);

}  // namespace pendix
