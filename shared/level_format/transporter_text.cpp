#include "shared/level_format/transporter_text.h"

#include "platform/text/numeric_value.h"
#include "shared/tile_catalogue.h"

#include <cstdio>

namespace pendix {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<TransporterText> TransporterText::parse(std::string_view text) {
    if (text.size() != kLength) return std::nullopt;
    return TransporterText(std::string(text));
}

std::optional<TransporterText> TransporterText::compose(int code, int target, int exitDirection) {
    if (!isTransporter(code) || !isOnBoard(target) || exitDirection < kFirstDirection || exitDirection > kLastDirection)
        return std::nullopt;
    char text[16];
    std::snprintf(text, sizeof text, "%03d%03d%d", code, target, exitDirection);
    return TransporterText(text);
}

int TransporterText::transporterCode() const {
    if (!isDigit(text_[0]) || !isDigit(text_[1]) || !isDigit(text_[2])) return 0;
    const int code = (text_[0] - '0') * 100 + (text_[1] - '0') * 10 + (text_[2] - '0');
    return isTransporter(code) ? code : 0;
}

std::optional<int> TransporterText::targetCell() const {
    const double target = platform::roundHalfEven(platform::numericValue(std::string_view(text_).substr(3, 3)));
    if (!isOnBoard(target)) return std::nullopt;
    return static_cast<int>(target);
}

int TransporterText::exitDirection() const {
    const int value = exitValue();
    return value >= kFirstDirection && value <= kLastDirection ? value : 0;
}

int TransporterText::exitValue() const { return isDigit(exit()) ? exit() - '0' : 0; }

TransporterText TransporterText::withCode(int code) const {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", code % 1000);
    TransporterText changed = *this;
    changed.text_.replace(0, 3, digits, 3);
    return changed;
}

TransporterText TransporterText::withExit(char exit) const {
    TransporterText changed = *this;
    changed.text_[kLength - 1] = exit;
    return changed;
}

}  // namespace pendix
