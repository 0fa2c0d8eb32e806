#include "shared/board/board.h"

#include "shared/tile_catalogue.h"

namespace pendix {

platform::Rect tileButtonRect(int cell) {
    const int column = cell % kColumns, row = cell / kColumns;
    return {120 + 600 * column, 1080 + 600 * row, 615, 615};
}

platform::Rect overlayRect(int cell) {
    const int column = cell % kColumns, row = cell / kColumns;
    return {240 + 600 * column, 1200 + 600 * row, 375, 375};
}

void designBoard(platform::ControlArray<platform::GraphicalButton>& cmd,
                 platform::ControlArray<platform::PictureBox>& pic, const PlaceOnForm& place) {
    // The overlays come after all tile buttons, so that they lie above them.
    for (int i = 0; i < kCellCount; ++i) {
        auto& button = cmd.add(i);
        place(button, tileButtonRect(i));
        button.setBackColor(kBoardGreen);
        button.setTag(QStringLiteral("0"));
    }
    for (int i = 0; i < kCellCount; ++i) {
        auto& overlay = pic.add(i);
        place(overlay, overlayRect(i));
        overlay.setBackColor(kBoardGreen);
        overlay.setVisible(false);
        overlay.setTag(QStringLiteral("0"));
    }
}

}  // namespace pendix
