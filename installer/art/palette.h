#pragma once
// Colours and measures every picture of the board shares, so tiles, cars and
// arrows fit together.
#include <QColor>

namespace pendix::installer::art {

inline constexpr int kTileSize = 40;
inline constexpr int kOverlaySize = 25;
inline constexpr int kIconSize = 32;

inline const QColor kBoardGreen{0, 128, 0};
inline const QColor kAsphalt{72, 74, 80};
inline const QColor kAsphaltLight{92, 94, 100};
inline const QColor kKerb{206, 206, 198};
inline const QColor kLaneMark{238, 238, 230};
inline const QColor kBarrierRed{214, 28, 28};

// Half the asphalt width and the kerb beside it, in tile pixels.
inline constexpr double kRoadHalfWidth = 10.0;
inline constexpr double kKerbWidth = 2.0;

}  // namespace pendix::installer::art
