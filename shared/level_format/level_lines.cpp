#include "shared/level_format/level_lines.h"

#include "platform/text/line_split.h"
#include "platform/text/numeric_value.h"
#include "shared/level_format/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace pendix {
namespace {

std::string_view trimmedName(std::string_view line) {
    while (!line.empty() && line.front() == ' ') line.remove_prefix(1);
    while (!line.empty() && line.back() == ' ') line.remove_suffix(1);
    return line;
}

LevelLinesRead failure(LevelLinesError error, std::string message) {
    LevelLinesRead read;
    read.error = error;
    read.message = std::move(message);
    return read;
}

}  // namespace

LevelLinesRead readLevelLines(std::span<const std::string> lines) {
    if (lines.size() < static_cast<std::size_t>(kLevelLineCount))
        return failure(LevelLinesError::TooFewLines,
                       "Die Datei hat nur " + std::to_string(lines.size()) + " von 404 Zeilen.");

    struct Number {
        int line;
        const char* meaning;
        std::int16_t value = 0;
    };
    std::array<Number, 3> numbers{
        {{kStartLine, "Startposition"}, {kDirectionLine, "Startrichtung"}, {kEndLine, "Zielposition"}}};
    for (Number& number : numbers) {
        const double value = platform::numericValue(lines[static_cast<std::size_t>(number.line - 1)]);
        const std::optional<std::int16_t> whole = platform::toInt16(value);
        if (!whole) {
            // A value beyond any double has no text of its own: name only the line.
            const std::string shown = std::isfinite(value) ? numberText(value) + " " : "";
            return failure(LevelLinesError::ValueOutOfRange, "Der Wert " + shown + "in Zeile " +
                                                                 std::to_string(number.line) + " (" + number.meaning +
                                                                 ") liegt nicht im Bereich von -32768 bis 32767.");
        }
        number.value = *whole;
    }

    LevelLinesRead read;
    LevelLines& level = read.level;
    std::copy_n(lines.begin(), kLevelLineCount, level.lines.begin());
    level.name = std::string(trimmedName(level.lines[kNameLine - 1]));
    level.startPos = numbers[0].value;
    level.startDir = numbers[1].value;
    level.endPos = numbers[2].value;
    return read;
}

LevelLinesRead readLevelLinesBytes(std::string_view bytes) {
    const std::vector<std::string> lines = platform::splitLines(bytes);
    return readLevelLines(lines);
}

}  // namespace pendix
