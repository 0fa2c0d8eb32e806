#include "tile_tag.h"

#include "platform/text/numeric_value.h"
#include "shared/tile_catalogue.h"

#include <string>

namespace pendix {
namespace {

constexpr int kFirstAnimatedCode = 801;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// The text (blanks already dropped) is one number and nothing else: sign, digits
// with at most one point, an optional exponent with digits.
bool isWholeNumber(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (i < n && isDigit(text[i])) ++i, digits = true;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && isDigit(text[i])) ++i, digits = true;
    }
    if (!digits) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        bool exponentDigits = false;
        while (i < n && isDigit(text[i])) ++i, exponentDigits = true;
        if (!exponentDigits) return false;
    }
    return i == n;
}

int asciiDigit(QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1; }

int kindOfCode(int code) {
    const int kind = code - (kFirstAnimatedCode - 1);
    return kind >= 1 && kind <= kAnimationKinds ? kind : 0;
}

}  // namespace

int animatedKindOfTag(QStringView tag) {
    // The board's own tags are plain codes: settle them without building a string.
    if (tag.size() == 3 && tag[0] == u'8' && asciiDigit(tag[1]) >= 0 && asciiDigit(tag[2]) >= 0)
        return kindOfCode(800 + asciiDigit(tag[1]) * 10 + asciiDigit(tag[2]));
    if (tag.size() == 1) return 0;  // "0" and any single character: never 801..821

    std::string compact;
    compact.reserve(static_cast<std::size_t>(tag.size()));
    for (QChar c : tag) {
        if (isBlank(c)) continue;
        if (c.unicode() >= 128) return 0;
        compact.push_back(static_cast<char>(c.unicode()));
    }
    if (!isWholeNumber(compact)) return 0;
    const double value = platform::numericValue(compact);
    if (value < kFirstAnimatedCode || value >= kFirstAnimatedCode + kAnimationKinds) return 0;
    if (value != static_cast<int>(value)) return 0;  // 801.5 is no code
    return kindOfCode(static_cast<int>(value));
}

}  // namespace pendix
