#include "numeric_value.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
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
            if (number.empty()) number.push_back('0');
            number += '.';
            number += fraction;
            haveDigits = true;
        }
    }
    if (!haveDigits) return 0.0;

    // The exponent's value, leading zeros and all; beyond this bound no number of
    // any text a window reads could bring the value back into a double's range.
    constexpr std::int64_t kExponentBound = 1'000'000'000;
    std::int64_t exponent = 0;
    if (i < n && (compact[i] == 'e' || compact[i] == 'E' || compact[i] == 'd' || compact[i] == 'D')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < n && (compact[j] == '+' || compact[j] == '-')) {
            negativeExponent = compact[j] == '-';
            ++j;
        }
        for (; j < n && isDigit(compact[j]); ++j)
            exponent = std::min(exponent * 10 + (compact[j] - '0'), kExponentBound);
        if (negativeExponent) exponent = -exponent;
    }

    // Where the first significant digit stands: 0 for the units, 1 for the tens, -1 for tenths.
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::size_t first = number.find_first_not_of("0.");
    if (first == std::string::npos) return negative ? -0.0 : 0.0;  // every digit a zero
    const std::int64_t leading =
        first < point ? static_cast<std::int64_t>(point - first) - 1 : -static_cast<std::int64_t>(first - point);
    const std::int64_t magnitude = leading + exponent;
    // Far outside a double's range (about 1e-324 to 1e308): what the double saturates to.
    constexpr std::int64_t kBeyondRange = 400;
    double value = 0.0;
    if (magnitude > kBeyondRange) {
        value = std::numeric_limits<double>::infinity();
    } else if (magnitude >= -kBeyondRange) {
        number += 'e';
        number += std::to_string(exponent);
        const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
        // from_chars leaves the value alone when it overflows or underflows.
        if (result.ec == std::errc::result_out_of_range)
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
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
