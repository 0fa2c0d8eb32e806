#pragma once
// The level files the benchmarks load, written into a folder of their own.
#include <QString>

namespace bench {

// Every cell a tile: the whole catalogue over and over, transporters with a target.
QString writeFullBoardLevel(const QString& folder);
// The editor's full board: every cell a tile as above, each transporter linked to
// one of the plain streets (exits in turn), the start and the end on streets.
QString writeLinkedBoardLevel(const QString& folder);
// A road round the board's edge that the car drives for ever (its end cell lies
// inside), and every inner cell an animated tile.
QString writeLoopLevel(const QString& folder);

}  // namespace bench
