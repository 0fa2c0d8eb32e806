#pragma once
// The street-like tiles, 40 x 40 on the board green: streets, blocked streets,
// transporters and the end markers.
#include <QImage>

namespace pendix::installer {

// A street 101..111, a blocked street 201..233 or a transporter 901..933.
QImage streetTile(int code);
// The end marker of a street 101..111.
QImage endMarkerTile(int street);

}  // namespace pendix::installer
