#include "bench_levels.h"

#include "shared/level_format/transporter_text.h"
#include "shared/tile_catalogue.h"
#include "tests/support/level_file.h"

#include <QDir>

#include <string>
#include <vector>

namespace bench {
namespace {

using Cells = test_support::LevelCells;

QString write(const QString& folder, const QString& name, const std::string& title, const Cells& cells, int start,
              int direction, int end) {
    const QString path = QDir(folder).filePath(name);
    return test_support::writeFile(path, test_support::levelFile(title, cells, start, direction, end)) ? path
                                                                                                       : QString();
}

}  // namespace

QString writeFullBoardLevel(const QString& folder) {
    const auto& codes = pendix::allTileCodes();
    Cells cells;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int code = codes[i % codes.size()];
        cells[i] = std::to_string(code);
        if (pendix::familyOf(code) == pendix::Family::Transporter) cells[i] += "0451";
    }
    return write(folder, QStringLiteral("full.lvl"), "Volles Brett", cells, 0, 3, 399);
}

QString writeLinkedBoardLevel(const QString& folder) {
    const auto& codes = pendix::allTileCodes();
    Cells cells;
    std::vector<int> streets;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int code = codes[i % codes.size()];
        cells[i] = std::to_string(code);
        if (pendix::familyOf(code) == pendix::Family::Street) streets.push_back(static_cast<int>(i));
    }
    // The first street holds the start, the last the end; links go to the others.
    const int start = streets.front(), end = streets.back();
    std::size_t link = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int code = codes[i % codes.size()];
        if (pendix::familyOf(code) != pendix::Family::Transporter) continue;
        const int target = streets[1 + link % (streets.size() - 2)];
        const int exit = 1 + static_cast<int>(link % 8);
        cells[i] = pendix::TransporterText::compose(code, target, exit)->text();
        ++link;
    }
    return write(folder, QStringLiteral("linked.lvl"), "Volles Brett", cells, start, 3, end);
}

QString writeLoopLevel(const QString& folder) {
    constexpr int last = pendix::kColumns - 1;
    constexpr int bottom = pendix::kCellCount - pendix::kColumns;
    Cells cells;
    for (int i = 0; i < pendix::kCellCount; ++i) {
        const int column = i % pendix::kColumns;
        const int row = i / pendix::kColumns;
        const bool edgeRow = row == 0 || row == pendix::kRows - 1;
        const bool edgeColumn = column == 0 || column == last;
        std::string& cell = cells[static_cast<std::size_t>(i)];
        if (edgeRow && edgeColumn)
            cell = i == 0 ? "104" : i == last ? "106" : i == bottom ? "103" : "105";
        else if (edgeRow)
            cell = "102";
        else if (edgeColumn)
            cell = "101";
        else
            cell = std::to_string(801 + i % pendix::kAnimationKinds);
    }
    return write(folder, QStringLiteral("loop.lvl"), "Rundkurs", cells, 1, 3, 212);
}

}  // namespace bench
