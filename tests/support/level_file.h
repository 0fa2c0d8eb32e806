#pragma once
// Level files as the tests and the benchmarks write them, line by line and
// independent of the programs' own writer: the name line, the 400 cell lines, the
// start, direction and end lines, each ended by CR LF, then the closing empty
// line. Every line stands as given, so a test writes damaged ones as they are.
#include "shared/tile_catalogue.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <map>
#include <string>

namespace test_support {

using LevelCells = std::array<std::string, pendix::kCellCount>;

// The cells given by their index, every other cell empty; start, direction and
// end as the lines read.
QByteArray levelFile(const std::string& name, const std::map<int, std::string>& cells, const std::string& start,
                     const std::string& direction, const std::string& end);
// Every cell's line, and start, direction and end as numbers.
QByteArray levelFile(const std::string& name, const LevelCells& cells, int start, int direction, int end);

// Writes a file of these bytes, its folder created when missing; false when it cannot.
bool writeFile(const QString& path, const QByteArray& bytes);

}  // namespace test_support
