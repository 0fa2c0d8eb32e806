#pragma once
// The frames of the 21 animated decorations, 40 x 40 on grass. Each kind is one
// loop: its last frame leads smoothly into its first.
#include <QImage>

namespace pendix::installer {

QImage animationFrame(int kind, int frame);  // kind 1..21, frame 1..its count

}  // namespace pendix::installer
