#include "editor/rules/direction_step.h"

#include "shared/tile_catalogue.h"

namespace pendix::editor {

std::optional<int> nextDirection(std::string_view digit) {
    if (digit.size() != 1 || digit[0] < '0' + kFirstDirection || digit[0] > '0' + kLastDirection) return std::nullopt;
    const int direction = digit[0] - '0';
    return direction == kLastDirection ? kFirstDirection : direction + 1;
}

char directionDigit(int direction) { return static_cast<char>('0' + direction); }

}  // namespace pendix::editor
