#pragma once
// The game's reading of a level file (on the shared line layout): each cell's
// picture and board tag, the start cell with its car, the end cell with its
// marker, the name. Plain C++ on raw bytes, so the window, the solver and the
// fuzzer share it.
#include "shared/level_format/level_lines.h"
#include "shared/tile_catalogue.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pendix::game {

struct LevelCell {
    std::string picture;    // data path of the tile ("\bmp\StrasOU.bmp"), "" for none
    std::string tag;        // the board tag the car step reads: "101", "105" for 212, "1050451", "0"
    bool animated = false;  // an animated tile 801..821: its frame counter starts at 1
};

struct Level {
    std::string name;  // line 1 without leading and trailing blanks, Windows-1252 bytes
    std::array<LevelCell, kCellCount> cells;
    std::int16_t startPos = 0;
    std::int16_t startDir = 0;  // the file's value; outside 1..8 the car has no picture
    std::int16_t endPos = 0;
    std::string carPicture;  // car on the start cell, "" unless startDir is 1..8
    std::string endMarker;   // end cell's picture instead of its tile, "" unless its line reads 101..111
};

enum class LevelError { None, TooFewLines, ValueOutOfRange, StartOffBoard, EndOffBoard };

struct LevelRead {
    Level level;  // complete only when ok()
    LevelError error = LevelError::None;
    std::string message;  // German (UTF-8) description of the error, without the file name
    bool ok() const { return error == LevelError::None; }
};

// The first 404 lines (without their line breaks) make the level; later ones are
// ignored. Besides what the shared layout refuses (too few lines, a number beyond
// 16 bits), start and end cell must lie on the board, else nothing is drawn: the
// game would otherwise place the car outside.
LevelRead readLevel(std::span<const std::string> lines);
// The same from a file's bytes; CR LF, a lone CR or a lone LF end a line.
LevelRead readLevelBytes(std::string_view bytes);

// One cell line as the board shows it.
LevelCell readCell(std::string_view line);

}  // namespace pendix::game
