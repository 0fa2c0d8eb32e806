#include "editor/rules/target_mark.h"

#include "platform/text/numeric_value.h"
#include "shared/tile_catalogue.h"

#include <cstdio>

namespace pendix::editor {

std::optional<TargetMark> TargetMark::parse(std::string_view text) {
    if (text.size() != kLength) return std::nullopt;
    return TargetMark(std::string(text));
}

std::optional<TargetMark> TargetMark::compose(int source, char exit) {
    if (!isOnBoard(source)) return std::nullopt;
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", source);
    return TargetMark(std::string(digits, 3) + exit);
}

std::optional<int> TargetMark::sourceCell() const {
    // Read as a cell number is read everywhere: the number the characters begin with, halves to even.
    const double source =
        platform::roundHalfEven(platform::numericValue(std::string_view(text_).substr(0, kLength - 1)));
    if (!isOnBoard(source)) return std::nullopt;
    return static_cast<int>(source);
}

TargetMark TargetMark::withExit(char exit) const {
    TargetMark changed = *this;
    changed.text_[kLength - 1] = exit;
    return changed;
}

}  // namespace pendix::editor
