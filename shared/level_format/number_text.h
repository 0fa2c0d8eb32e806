#pragma once
// How a program writes a number back into a text: a level line's value as a
// board tag (game and editor), the game's fields counter.
#include <string>

namespace pendix {

// Whole numbers below 10^15 as plain digits ("0", "912", "-3"); anything else with
// up to 15 significant digits in the form the old runtime printed a double:
// "12.5", "0.25", "1E+20", "1.5E-07". A value that is no finite number gives "0".
std::string numberText(double value);

}  // namespace pendix
