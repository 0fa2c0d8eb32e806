#include "shared/board/board.h"

#include "shared/about_box/frm_info.h"
#include "shared/tile_catalogue.h"

#include "platform/services/services.h"

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
        // The car or an arrow covers the cell's centre, where the user clicks the cell itself.
        overlay.setMouseTransparent(true);
    }
}

void clearBoard(platform::ControlArray<platform::GraphicalButton>& cmd,
                platform::ControlArray<platform::PictureBox>& pic) {
    platform::setWaitCursor();
    for (int i = 0; i < kCellCount; ++i) {
        auto& button = cmd(i);
        button.setTag(QStringLiteral("0"));
        button.setPicture({});
        auto& overlay = pic(i);
        overlay.setTag(QStringLiteral("0"));
        overlay.setPicture({});
        overlay.setVisible(false);
    }
    platform::setDefaultCursor();
}

void designHintLine(platform::Label& lbllvlneu, const PlaceOnForm& place) {
    place(lbllvlneu, {120, 10680, 15015, 255});
    lbllvlneu.setAlignment(platform::Alignment::Center);
    lbllvlneu.setFont({QStringLiteral("MS Sans Serif"), 8.25, true});
    lbllvlneu.setCaption(QStringLiteral("Wenn sie ein neues Level entworfen haben, hängen sie die lvl - Datei im "
                                        "Verzeichnis \\lvlneu an ein E-Mail an: ") +
                         QString::fromLatin1(kContactMail));
}

}  // namespace pendix
