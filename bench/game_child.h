#pragma once
// This benchmark program started again with kGameChildOption runs as the game
// would: it shows the game window, tells the parent so, loads a level, animates
// it for a moment and reports its own peak memory before it ends.
#include <QByteArray>
#include <QString>

#include <optional>

namespace bench {

inline constexpr char kGameChildOption[] = "--as-game";
inline constexpr char kShownLine[] = "shown\n";

// The level the child loads: every cell a tile.
QString writeChildLevel(const QString& folder);

// Runs the game child with the level at `levelPath`; the return value is the exit code.
int runGameChild(int argc, char** argv, const QString& levelPath);

// The peak resident memory in kB that the child reported, if it did.
std::optional<double> peakKbOf(const QByteArray& output);

}  // namespace bench
