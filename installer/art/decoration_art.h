#pragma once
// The decorations 301..721 (trees, flowers, houses, sport, animals), 40 x 40 on
// grass: colour emoji where the font is installed, simple drawings otherwise.
#include <QImage>

namespace pendix::installer {

QImage decorationTile(int code);
// The same with the emoji font used or not, whatever is installed.
QImage decorationTile(int code, bool withEmoji);

}  // namespace pendix::installer
