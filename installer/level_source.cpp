#include "installer/level_source.h"

namespace pendix {

std::optional<LevelSource> parseLevelSource(std::string_view, std::string* error) {
    if (error) *error = "not implemented yet";
    return std::nullopt;
}

}  // namespace pendix
