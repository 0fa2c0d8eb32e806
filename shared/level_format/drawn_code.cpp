#include "shared/level_format/drawn_code.h"

#include <cmath>

#include "shared/tile_catalogue.h"

namespace pendix {

int drawnTileCode(double value) {
    if (!(value >= 101 && value <= 821) || value != std::floor(value)) return 0;
    const int code = static_cast<int>(value);
    return isTileCode(code) ? code : 0;
}

bool isPlainStreetValue(double value) {
    const int code = drawnTileCode(value);
    return code != 0 && familyOf(code) == Family::Street;
}

}  // namespace pendix
