#pragma once
// One turn of a direction shown on the board: the car on the start cell and a
// transporter's exit arrow both step 1 -> 2 -> ... -> 8 -> 1 (up, down, right,
// left, then the four turn states) with each click. Plain C++.
#include <optional>
#include <string_view>

namespace pendix::editor {

// The direction after `digit` ("1" to "8"); nullopt for any other text ("0", "9", "", "12").
std::optional<int> nextDirection(std::string_view digit);

// The same direction as the one character the tags hold.
char directionDigit(int direction);

}  // namespace pendix::editor
