#include "editor/loaded_level.h"

#include <optional>

#include "editor/target_mark.h"
#include "platform/text/numeric_value.h"
#include "shared/level_format/drawn_code.h"
#include "shared/level_format/number_text.h"
#include "shared/level_format/transporter_text.h"

namespace pendix::editor {
namespace {

bool onBoard(int cell) { return cell >= 0 && cell < kCellCount; }

}  // namespace

LoadedLevel loadedLevel(const LevelLines& level) {
    LoadedLevel loaded;
    for (int i = 0; i < kCellCount; ++i) {
        const std::string& line = level.cellLine(i);
        LoadedCell& cell = loaded.cells[static_cast<std::size_t>(i)];
        const double value = platform::numericValue(line);
        if (const int code = drawnTileCode(value)) {
            cell.picture = tileBitmap(code);
            cell.animated = familyOf(code) == Family::Animation;
        }
        if (const std::optional<TransporterText> link = TransporterText::parse(line)) {
            if (const int code = link->transporterCode()) cell.picture = tileBitmap(code);
            if (const std::optional<int> target = link->targetCell())
                loaded.targets.push_back(
                    {*target, arrowBitmap(link->exitDirection()), TargetMark::compose(i, link->exit())->text()});
        }
        cell.tag = numberText(value);
    }
    loaded.startOnBoard = onBoard(level.startPos);
    if (loaded.startOnBoard) loaded.carPicture = carBitmap(level.startDir);
    if (onBoard(level.endPos))
        loaded.endMarker = endMarkerBitmap(drawnTileCode(platform::numericValue(level.cellLine(level.endPos))));
    return loaded;
}

}  // namespace pendix::editor
