#include "line_split.h"

namespace platform {

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(bytes.substr(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
    return lines;
}

std::optional<std::size_t> lengthOfLines(std::string_view bytes, std::size_t count) {
    if (count == 0) return 0;
    std::size_t ended = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') continue;
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        if (++ended == count) return i + 1;
    }
    return std::nullopt;
}

std::string joinCrLfLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace platform
