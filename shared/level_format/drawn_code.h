#pragma once
// What a level's lines draw, the same in the game and the editor: each cell
// line's tile picture, the car on the start cell and the end marker. Each program
// keeps only its own board tag on top of it. Plain C++.
#include "shared/level_format/level_lines.h"
#include "shared/level_format/transporter_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace pendix {

// The catalogue code 101..821 that the value stands for exactly, or 0. A bare
// transporter code draws nothing: only a linked transporter's line draws one.
int drawnTileCode(double value);

// A value that stands for a plain street 101..111 exactly: the only tiles a car
// can start on, end on or be carried to.
bool isPlainStreetValue(double value);

// What one cell line draws on its tile.
struct DrawnLine {
    double value = 0;                     // the line's numeric value
    int code = 0;                         // drawnTileCode(value)
    std::optional<TransporterText> link;  // the line as a Transporter text, when it has 7 characters
    int transporter = 0;                  // 901..933 when the link's characters 1 to 3 spell one, else 0
    std::string picture;                  // the transporter's bitmap, else the code's; "" for none
    bool animated = false;                // an animated tile 801..821: its frame counter starts at 1
};
DrawnLine drawnLine(std::string_view line);

// The car on the start cell: "" unless the start lies on the board and its direction is 1..8.
std::string drawnCar(const LevelLines& level);
// The end cell's picture instead of its tile: "" unless the end lies on the board
// and its line reads a plain street 101..111.
std::string drawnEndMarker(const LevelLines& level);

}  // namespace pendix
