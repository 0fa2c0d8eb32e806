#include "editor/target_mark.h"

#include <cstdio>

namespace pendix::editor {

std::string targetMark(int sourceCell, char exit) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", sourceCell % 1000);
    return std::string(digits, 3) + exit;
}

}  // namespace pendix::editor
