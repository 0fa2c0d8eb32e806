#include "numeric_value.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace platform {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double numericValue(std::string_view text) {
    // First drop the characters that are ignored wherever they stand, then read
    // the number from what remains; this keeps "1 000" and "1\t2" as one number.
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) compact.push_back(c);

    std::string number;  // a clean form that from_chars understands
    std::size_t i = 0;
    const std::size_t n = compact.size();
    bool negative = false;
    if (i < n && (compact[i] == '+' || compact[i] == '-')) {
        negative = compact[i] == '-';
        ++i;
    }
    bool haveDigits = false;
    while (i < n && isDigit(compact[i])) {
        number.push_back(compact[i++]);
        haveDigits = true;
    }
    if (i < n && compact[i] == '.') {
        ++i;
        std::string fraction;
        while (i < n && isDigit(compact[i])) fraction.push_back(compact[i++]);
        if (!fraction.empty()) {
            if (number.empty()) number = "0";
            number += '.';
            number += fraction;
            haveDigits = true;
        }
    }
    if (!haveDigits) return 0.0;

    if (i < n && (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent;
        if (j < n && (compact[j] == '+' || compact[j] == '-')) {
            if (compact[j] == '-') exponent.push_back('-');
            ++j;
        }
        std::string digits;
        while (j < n && isDigit(compact[j])) digits.push_back(compact[j++]);
        if (!digits.empty()) {
            // Keep the exponent within what from_chars can take without losing the
            // sense of "very large" or "very small".
            if (digits.size() > 5) digits = "99999";
            number += 'e';
            number += exponent;
            number += digits;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on overflow and underflow: tell them apart
        // by the exponent's sign.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    return std::nearbyint(value);  // the default rounding mode rounds halves to even
}

std::optional<std::int16_t> toInt16(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<std::int16_t>::min() && r <= std::numeric_limits<std::int16_t>::max()))
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> toInt32(double value) {
    const double r = roundHalfEven(value);
    if (!(r >= std::numeric_limits<std::int32_t>::min() && r <= std::numeric_limits<std::int32_t>::max()))
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

}  // namespace platform
