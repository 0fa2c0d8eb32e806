#pragma once
// What the user sees where a board overlay (the car, a target arrow) lies on its
// tile: the window's pixels there with the overlay shown, and with it hidden.
#include <QColor>
#include <QImage>

#include <string>
#include <vector>

namespace platform {
class Form;
class PictureBox;
}  // namespace platform

namespace test_support {

struct OverlayLook {
    QImage shown;    // the window's pixels under the overlay, as the user sees them
    QImage beneath;  // the same pixels with the overlay hidden: the tile alone
    QImage picture;  // the overlay's picture as loaded
};

// Grabs the window with the overlay shown and hidden; leaves it shown.
OverlayLook lookAtOverlay(const platform::Form& form, platform::PictureBox& overlay);

// The pixels ("x,y: ...") where the overlay does not sit on its tile: where its
// picture has `seeThrough` the tile beneath must show, elsewhere the picture.
std::vector<std::string> pixelsOffTheirTile(const OverlayLook& look, const QColor& seeThrough);

// The pixels of the outer `width` rows and columns where the overlay hides the tile.
std::vector<std::string> rimHidingTheTile(const OverlayLook& look, int width);

}  // namespace test_support
