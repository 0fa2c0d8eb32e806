#include "game/rules/level_reader.h"

#include "shared/level_format/drawn_code.h"
#include "shared/level_format/number_text.h"

namespace pendix::game {
namespace {

LevelRead failure(LevelError error, std::string message) {
    LevelRead read;
    read.error = error;
    read.message = std::move(message);
    return read;
}

std::string offBoardMessage(std::string_view what, int cell) {
    return "Die " + std::string(what) + " " + std::to_string(cell) + " liegt nicht auf dem Spielfeld (0 bis 399).";
}

LevelRead boardOf(const LevelLinesRead& file) {
    if (!file.ok()) {
        const bool tooShort = file.error == LevelLinesError::TooFewLines;
        return failure(tooShort ? LevelError::TooFewLines : LevelError::ValueOutOfRange, file.message);
    }
    const LevelLines& lines = file.level;
    if (!isOnBoard(lines.startPos))
        return failure(LevelError::StartOffBoard, offBoardMessage("Startposition", lines.startPos));
    if (!isOnBoard(lines.endPos))
        return failure(LevelError::EndOffBoard, offBoardMessage("Zielposition", lines.endPos));

    LevelRead read;
    Level& level = read.level;
    level.name = lines.name;
    for (int i = 0; i < kCellCount; ++i) level.cells[static_cast<std::size_t>(i)] = readCell(lines.cellLine(i));
    level.startPos = lines.startPos;
    level.startDir = lines.startDir;
    level.endPos = lines.endPos;
    level.carPicture = drawnCar(lines);
    level.endMarker = drawnEndMarker(lines);
    return read;
}

}  // namespace

LevelCell readCell(std::string_view line) {
    const DrawnLine drawn = drawnLine(line);
    LevelCell cell;
    cell.picture = drawn.picture;
    cell.animated = drawn.animated;
    // A linked transporter drives as its base street and keeps its target and exit;
    // a blocked street drives as the street of its open arms.
    if (drawn.transporter != 0)
        cell.tag = drawn.link->withCode(transporterBase(drawn.transporter)).text();
    else if (const int street = openArmStreet(drawn.code))
        cell.tag = std::to_string(street);
    else
        cell.tag = numberText(drawn.value);
    return cell;
}

LevelRead readLevel(std::span<const std::string> lines) { return boardOf(readLevelLines(lines)); }

LevelRead readLevelBytes(std::string_view bytes) { return boardOf(readLevelLinesBytes(bytes)); }

}  // namespace pendix::game
