#pragma once
// Which count boxes of the count window a board cell adds to: the box of its
// tile code and its family's total (and, for every counted cell, the overall
// total). Plain C++.
//
// A cell adds to its code's box only when that box exists, that is for the 173
// catalogue codes; a transporter counts as a transporter whether it is linked
// (its 7-character Transporter text) or still waits for its target (its bare
// code). Any other number (a hand-edited level: 150, 200, 950, or 7 characters
// that do not begin with a transporter code) is counted nowhere, so the code
// boxes always add up to the family totals and those to the overall total.
#include "shared/tile_catalogue.h"

#include <optional>
#include <string_view>

namespace pendix::editor {

struct CountedTile {
    int code = 0;
    Family family = Family::Street;
    bool operator==(const CountedTile&) const = default;
};

// `tag` as the board's tile button holds it (Windows-1252 characters); nullopt
// for an empty cell and for a number that has no box.
std::optional<CountedTile> countedTile(std::string_view tag);

}  // namespace pendix::editor
