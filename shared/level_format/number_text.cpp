#include "shared/level_format/number_text.h"

#include <cmath>
#include <cstdio>

namespace pendix {

std::string numberText(double value) {
    if (!std::isfinite(value) || value == 0.0) return "0";  // also folds -0 into "0"
    char text[32];
    // %G with 15 digits switches to the exponent form where the old runtime did
    // (exponent below -4 or from 15 on) and drops trailing zeros.
    std::snprintf(text, sizeof text, "%.15G", value);
    return text;
}

}  // namespace pendix
