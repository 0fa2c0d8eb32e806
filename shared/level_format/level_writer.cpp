#include "shared/level_format/level_writer.h"

#include "platform/text/numeric_value.h"

namespace pendix {

std::string levelFileBytes(std::string_view nameBytes, const std::array<std::string, kCellCount>& cells, int start,
                           int startDirection, int end) {
    std::string out;
    out.reserve(nameBytes.size() + kCellCount * 5 + 32);
    const auto line = [&out](std::string_view text) {
        for (const char c : text) out.push_back(c == '\r' || c == '\n' ? ' ' : c);
        out.append("\r\n");
    };
    line(nameBytes);
    for (const std::string& cell : cells) line(platform::numericValue(cell) > 0 ? std::string_view(cell) : "");
    line(std::to_string(start));
    line(std::to_string(startDirection));
    line(std::to_string(end));
    line("");  // the closing empty line, which readers never read
    return out;
}

}  // namespace pendix
