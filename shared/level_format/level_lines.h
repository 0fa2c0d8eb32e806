#pragma once
// The line layout of a level file that every program shares: line 1 the name,
// lines 2 to 401 the cells 0 to 399, line 402 the start cell, 403 the start
// direction, 404 the end cell. Readers take exactly the first 404 lines and never
// look further; the writer (level_writer.h) adds one closing empty line. Each
// program keeps its own reading of a cell line on top of this. Plain C++ on raw
// Windows-1252 bytes.
#include "shared/tile_catalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pendix {

inline constexpr int kLevelLineCount = 404;  // lines read
// A level takes some kilobytes; a file that has not given its 404 lines within
// this many bytes is no level, and is not read on.
inline constexpr std::size_t kLevelFileMaxBytes = 1 << 20;
// File line numbers, counted from 1.
inline constexpr int kNameLine = 1;
inline constexpr int kFirstCellLine = 2;  // cell i is line kFirstCellLine + i
inline constexpr int kStartLine = 402;
inline constexpr int kDirectionLine = 403;
inline constexpr int kEndLine = 404;

struct LevelLines {
    std::array<std::string, kLevelLineCount> lines;  // as read, without line breaks; file line k is lines[k - 1]
    std::string name;                                // line 1 without leading and trailing blanks (a tab stays)
    // Lines 402 to 404, rounded halves-to-even. Whether they lie on the board is
    // the reading program's question.
    std::int16_t startPos = 0;
    std::int16_t startDir = 0;
    std::int16_t endPos = 0;

    const std::string& cellLine(int cell) const { return lines[static_cast<std::size_t>(kFirstCellLine - 1 + cell)]; }
};

enum class LevelLinesError { None, TooFewLines, ValueOutOfRange };

struct LevelLinesRead {
    LevelLines level;  // complete only when ok()
    LevelLinesError error = LevelLinesError::None;
    std::string message;  // German (UTF-8) description of the error, without the file name
    bool ok() const { return error == LevelLinesError::None; }
};

// The first 404 lines (without their line breaks) make the level; later ones are
// ignored. Fewer lines, or a start, direction or end beyond 16 bits, refuse the file.
LevelLinesRead readLevelLines(std::span<const std::string> lines);
// The same from a file's bytes; CR LF, a lone CR or a lone LF end a line.
LevelLinesRead readLevelLinesBytes(std::string_view bytes);

}  // namespace pendix
