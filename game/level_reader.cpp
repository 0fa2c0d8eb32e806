#include "game/level_reader.h"

#include <cmath>
#include <optional>
#include <vector>

#include "game/number_text.h"
#include "platform/text/line_split.h"
#include "platform/text/numeric_value.h"

namespace pendix {
namespace {

constexpr int kStartLine = 402;  // file line numbers, counted from 1
constexpr int kDirectionLine = 403;
constexpr int kEndLine = 404;

// The catalogue code a value stands for exactly, or 0. Transporters are drawn only
// from a transporter text, never from their bare code.
int drawnCode(double value) {
    if (!(value >= 101 && value <= 821) || value != std::floor(value)) return 0;
    const int code = static_cast<int>(value);
    return isTileCode(code) ? code : 0;
}

// 901..933 when the first three characters spell a transporter code, else 0.
int transporterCode(std::string_view line) {
    if (line.size() < 3 || line[0] != '9' || line[1] < '0' || line[1] > '3' || line[2] < '0' || line[2] > '9') return 0;
    const int code = 900 + (line[1] - '0') * 10 + (line[2] - '0');
    return code >= 901 && code <= 933 ? code : 0;
}

std::string_view trimmedName(std::string_view line) {
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

LevelRead failure(LevelError error, std::string message) {
    LevelRead read;
    read.error = error;
    read.message = std::move(message);
    return read;
}

std::string offBoardMessage(std::string_view what, int cell) {
    return "Die " + std::string(what) + " " + std::to_string(cell) + " liegt nicht auf dem Spielfeld (0 bis 399).";
}

}  // namespace

LevelCell readCell(std::string_view line) {
    LevelCell cell;
    const double value = platform::numericValue(line);
    bool tagWritten = false;
    if (const int code = drawnCode(value)) {
        cell.picture = tileBitmap(code);
        if (const int street = openArmStreet(code)) {
            cell.tag = std::to_string(street);
            tagWritten = true;
        }
        cell.animated = familyOf(code) == Family::Animation;
    }
    if (line.size() == 7) {
        if (const int code = transporterCode(line)) {
            cell.picture = tileBitmap(code);
            cell.tag = std::to_string(transporterBase(code));
            cell.tag.append(line.substr(3));
            tagWritten = true;
        }
    }
    if (!tagWritten) cell.tag = numberText(value);
    return cell;
}

LevelRead readLevel(std::span<const std::string> lines) {
    if (lines.size() < static_cast<std::size_t>(kLevelLineCount))
        return failure(LevelError::TooFewLines,
                       "Die Datei hat nur " + std::to_string(lines.size()) + " von 404 Zeilen.");

    struct Number {
        int line;
        const char* meaning;
        std::int16_t value = 0;
    };
    std::array<Number, 3> numbers{{{kStartLine, "Startposition"}, {kDirectionLine, "Startrichtung"}, {kEndLine, "Zielposition"}}};
    for (Number& number : numbers) {
        const double value = platform::numericValue(lines[number.line - 1]);
        const std::optional<std::int16_t> whole = platform::toInt16(value);
        if (!whole) {
            // A value beyond any double has no text of its own: name only the line.
            const std::string shown = std::isfinite(value) ? numberText(value) + " " : "";
            return failure(LevelError::ValueOutOfRange, "Der Wert " + shown + "in Zeile " + std::to_string(number.line) +
                                                            " (" + number.meaning +
                                                            ") liegt nicht im Bereich von -32768 bis 32767.");
        }
        number.value = *whole;
    }
    const std::int16_t startPos = numbers[0].value;
    const std::int16_t startDir = numbers[1].value;
    const std::int16_t endPos = numbers[2].value;
    if (startPos < 0 || startPos >= kCellCount)
        return failure(LevelError::StartOffBoard, offBoardMessage("Startposition", startPos));
    if (endPos < 0 || endPos >= kCellCount)
        return failure(LevelError::EndOffBoard, offBoardMessage("Zielposition", endPos));

    LevelRead read;
    Level& level = read.level;
    level.name = std::string(trimmedName(lines[0]));
    for (int i = 0; i < kCellCount; ++i) level.cells[i] = readCell(lines[i + 1]);
    level.startPos = startPos;
    level.startDir = startDir;
    level.endPos = endPos;
    level.carPicture = carBitmap(startDir);
    // endMarkerBitmap is empty for anything but a plain street 101..111.
    level.endMarker = endMarkerBitmap(drawnCode(platform::numericValue(lines[endPos + 1])));
    return read;
}

LevelRead readLevelBytes(std::string_view bytes) {
    const std::vector<std::string> lines = platform::splitLines(bytes);
    return readLevel(lines);
}

}  // namespace pendix
