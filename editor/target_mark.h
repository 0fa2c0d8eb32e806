#pragma once
// The Target mark: the overlay tag of a transporter's target cell, 4 characters:
// the transporter's own cell as three digits with leading zeros, then the exit
// direction, the same character as the seventh of its Transporter text. The board
// recognises a target cell by the mark's length alone. Plain C++.
#include <cstddef>
#include <string>

namespace pendix::editor {

inline constexpr std::size_t kTargetMarkLength = 4;

// The mark of a link from `sourceCell` (0..399) with the exit character as it
// stands, a direction digit or whatever a level file held there.
std::string targetMark(int sourceCell, char exit);

}  // namespace pendix::editor
