#pragma once
// The number rules every window uses on texts it reads back from controls and
// level files. Plain C++, no Qt, so they can be tested with tables.
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// The leading number of a text: blanks, tabs and line feeds are skipped wherever
// they stand; an optional sign, digits with at most one ".", an optional exponent
// (E or D) are read up to the first other character. No number reads 0. The
// digits read as the decimal number they are, whatever their length and however
// many leading zeros the exponent has ("1e000001" is 10); only a value beyond a
// double's range saturates, to +/- infinity, or to 0 when too small.
double numericValue(std::string_view text);

// Nearest whole number, halves to the even neighbour (0.5 -> 0, 1.5 -> 2).
double roundHalfEven(double value);

// Whole-number conversion into a 16-bit or 32-bit field; empty when the rounded
// value does not fit (the caller decides what an overflow means to it).
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);

}  // namespace platform
