#include "shared/level_format/drawn_code.h"

#include "platform/text/numeric_value.h"
#include "shared/tile_catalogue.h"

#include <cmath>

namespace pendix {

int drawnTileCode(double value) {
    if (!(value >= kFirstStreet && value < kFirstTransporter) || value != std::floor(value)) return 0;
    const int code = static_cast<int>(value);
    return isTileCode(code) ? code : 0;
}

bool isPlainStreetValue(double value) { return isPlainStreet(drawnTileCode(value)); }

DrawnLine drawnLine(std::string_view line) {
    DrawnLine drawn;
    drawn.value = platform::numericValue(line);
    drawn.code = drawnTileCode(drawn.value);
    if (drawn.code != 0) {
        drawn.picture = tileBitmap(drawn.code);
        drawn.animated = familyOf(drawn.code) == Family::Animation;
    }
    drawn.link = TransporterText::parse(line);
    if (drawn.link) drawn.transporter = drawn.link->transporterCode();
    if (drawn.transporter != 0) drawn.picture = tileBitmap(drawn.transporter);
    return drawn;
}

std::string drawnCar(const LevelLines& level) {
    return isOnBoard(level.startPos) ? carBitmap(level.startDir) : std::string();
}

std::string drawnEndMarker(const LevelLines& level) {
    if (!isOnBoard(level.endPos)) return "";
    // endMarkerBitmap is empty for anything but a plain street 101..111.
    return endMarkerBitmap(drawnTileCode(platform::numericValue(level.cellLine(level.endPos))));
}

}  // namespace pendix
