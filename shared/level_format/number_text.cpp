#include "shared/level_format/number_text.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace pendix {

std::string numberText(double value) {
    if (!std::isfinite(value) || value == 0.0) return "0";  // also folds -0 into "0"
    // Whole numbers, every tile code and counter among them, as %G prints them
    // below 10^15, without the formatting machinery (a board load asks 400 times).
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) return std::to_string(static_cast<long long>(value));
    char text[32];
    // %G with 15 digits switches to the exponent form where the old runtime did
    // (exponent below -4 or from 15 on) and drops trailing zeros.
    std::snprintf(text, sizeof text, "%.15G", value);
    return text;
}

}  // namespace pendix
