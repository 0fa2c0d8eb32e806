#include "game/level_reader.h"

#include <optional>

#include "platform/text/numeric_value.h"
#include "shared/level_format/drawn_code.h"
#include "shared/level_format/number_text.h"
#include "shared/level_format/transporter_text.h"

namespace pendix {
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
    if (lines.startPos < 0 || lines.startPos >= kCellCount)
        return failure(LevelError::StartOffBoard, offBoardMessage("Startposition", lines.startPos));
    if (lines.endPos < 0 || lines.endPos >= kCellCount)
        return failure(LevelError::EndOffBoard, offBoardMessage("Zielposition", lines.endPos));

    LevelRead read;
    Level& level = read.level;
    level.name = lines.name;
    for (int i = 0; i < kCellCount; ++i) level.cells[static_cast<std::size_t>(i)] = readCell(lines.cellLine(i));
    level.startPos = lines.startPos;
    level.startDir = lines.startDir;
    level.endPos = lines.endPos;
    level.carPicture = carBitmap(lines.startDir);
    // endMarkerBitmap is empty for anything but a plain street 101..111.
    level.endMarker = endMarkerBitmap(drawnTileCode(platform::numericValue(lines.cellLine(lines.endPos))));
    return read;
}

}  // namespace

LevelCell readCell(std::string_view line) {
    LevelCell cell;
    const double value = platform::numericValue(line);
    bool tagWritten = false;
    if (const int code = drawnTileCode(value)) {
        cell.picture = tileBitmap(code);
        if (const int street = openArmStreet(code)) {
            cell.tag = std::to_string(street);
            tagWritten = true;
        }
        cell.animated = familyOf(code) == Family::Animation;
    }
    // A linked transporter drives as its base street and keeps its target and exit.
    if (const std::optional<TransporterText> link = TransporterText::parse(line)) {
        if (const int code = link->transporterCode()) {
            cell.picture = tileBitmap(code);
            cell.tag = link->withCode(transporterBase(code)).text();
            tagWritten = true;
        }
    }
    if (!tagWritten) cell.tag = numberText(value);
    return cell;
}

LevelRead readLevel(std::span<const std::string> lines) { return boardOf(readLevelLines(lines)); }

LevelRead readLevelBytes(std::string_view bytes) { return boardOf(readLevelLinesBytes(bytes)); }

}  // namespace pendix
