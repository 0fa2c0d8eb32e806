#pragma once
// The board that the game and the editor show: 25 x 16 cells, each a tile button
// `cmd`(i) with the overlay `pic`(i) centred above it (the car, or in the editor a
// transporter's target arrow). Both main windows place it with designBoard() in
// their design(), so it has one geometry and one look.
#include "platform/controls/band.h"
#include "platform/controls/control_array.h"
#include "platform/controls/geometry.h"
#include "platform/controls/graphical_button.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"

#include <QColor>

#include <functional>

namespace pendix {

// The green of the board, the palettes and every tile's own background.
inline const QColor kBoardGreen{0, 128, 0};

// Cell i's tile button: 615 x 615 twips at Left 120 + 600 x column, Top 1080 +
// 600 x row, so neighbours overlap by 15 twips.
platform::Rect tileButtonRect(int cell);
// Cell i's overlay: 375 x 375 twips, centred on the tile button.
platform::Rect overlayRect(int cell);

// How a window puts a control on its surface: its own Form::place.
using PlaceOnForm = std::function<void(platform::Control&, const platform::Rect&)>;

// The band that holds row `row` (0..15) of the board: just as wide and high as its tile buttons.
platform::Rect boardRowRect(int row);

// The board, row by row: each row on its band `rows`(row), its 25 tile buttons
// (green, tag "0"), then its 25 overlays above them (green, no border, hidden,
// tag "0"). The overlays let the mouse through to their tile buttons, and show
// the tile wherever they would show their green: around the car or the arrow
// (the installer paints the pictures' background in that green), and wholly
// while they have no picture. Rows on bands of their own keep every
// repaint of a cell to its row (see platform/controls/band.h).
void designBoard(platform::ControlArray<platform::Band>& rows, platform::ControlArray<platform::GraphicalButton>& cmd,
                 platform::ControlArray<platform::PictureBox>& pic, const PlaceOnForm& place);

// Every cell empty: tile buttons with tag "0" and no picture, overlays with tag
// "0", no picture and hidden; under the wait cursor. Nothing else of a window changes.
void clearBoard(platform::ControlArray<platform::GraphicalButton>& cmd,
                platform::ControlArray<platform::PictureBox>& pic);

// The hint line `lbllvlneu` under the board: where to send a new level.
void designHintLine(platform::Label& lbllvlneu, const PlaceOnForm& place);

}  // namespace pendix
