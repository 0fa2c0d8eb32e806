#pragma once
// The window icon's frames: a car driving along a road, 32 x 32 with
// transparency; frame 15 leads back into frame 1.
#include <QImage>

namespace pendix::installer {

QImage iconFrame(int frame);  // 1..15

}  // namespace pendix::installer
