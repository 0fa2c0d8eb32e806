#include "shared/board/board.h"

#include "platform/services/services.h"
#include "shared/about_box/frm_info.h"
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

platform::Rect boardRowRect(int row) {
    const platform::Rect first = tileButtonRect(row * kColumns);
    const platform::Rect last = tileButtonRect(row * kColumns + kColumns - 1);
    return {first.left, first.top, last.left + last.width - first.left, first.height};
}

namespace {

void designRow(platform::Band& band, int row, platform::ControlArray<platform::GraphicalButton>& cmd,
               platform::ControlArray<platform::PictureBox>& pic) {
    const int first = row * kColumns;
    // The overlays come after the row's tile buttons, so that they lie above them.
    for (int i = first; i < first + kColumns; ++i) {
        auto& button = cmd.add(i);
        band.place(button, tileButtonRect(i));
        button.setBackColor(kBoardGreen);
        button.setTag(QStringLiteral("0"));
    }
    for (int i = first; i < first + kColumns; ++i) {
        auto& overlay = pic.add(i);
        band.place(overlay, overlayRect(i));
        overlay.setBackColor(kBoardGreen);
        overlay.setVisible(false);
        overlay.setTag(QStringLiteral("0"));
        // The car or an arrow covers the cell's centre, where the user clicks the cell itself.
        overlay.setMouseTransparent(true);
        // The tile shows around the car or the arrow, and wholly where an overlay shown
        // without a picture (a start without a direction) lies.
        overlay.setSeeThroughBack(true);
    }
}

}  // namespace

void designBoard(platform::ControlArray<platform::Band>& rows, platform::ControlArray<platform::GraphicalButton>& cmd,
                 platform::ControlArray<platform::PictureBox>& pic, const PlaceOnForm& place) {
    for (int row = 0; row < kRows; ++row) {
        auto& band = rows.add(row);
        place(band, boardRowRect(row));
        designRow(band, row, cmd, pic);
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
