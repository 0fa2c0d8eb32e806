#include "editor/rules/loaded_level.h"

#include "editor/rules/target_mark.h"
#include "shared/level_format/drawn_code.h"
#include "shared/level_format/number_text.h"

#include <optional>

namespace pendix::editor {

LoadedLevel loadedLevel(const LevelLines& level) {
    LoadedLevel loaded;
    for (int i = 0; i < kCellCount; ++i) {
        const DrawnLine drawn = drawnLine(level.cellLine(i));
        LoadedCell& cell = loaded.cells[static_cast<std::size_t>(i)];
        cell.picture = drawn.picture;
        cell.animated = drawn.animated;
        cell.tag = numberText(drawn.value);
        if (drawn.link) {
            if (const std::optional<int> target = drawn.link->targetCell())
                loaded.targets.push_back({*target, arrowBitmap(drawn.link->exitDirection()),
                                          TargetMark::compose(i, drawn.link->exit())->text()});
        }
    }
    loaded.startOnBoard = isOnBoard(level.startPos);
    loaded.carPicture = drawnCar(level);
    loaded.endMarker = drawnEndMarker(level);
    return loaded;
}

}  // namespace pendix::editor
