#pragma once
// One tick of the tile animation over one set of tile buttons (the game's board,
// the editor's board and palette, the count window's buttons). Every button whose
// Tag is an animated code 801..821 and whose frame counter stands at 1..N (N the
// kind's frame count) shows its next frame, N wrapping to 1; the counter follows
// only once the picture is set. A counter of 0 or above N, and every other Tag,
// leave the button alone. Only pictures and counters change.
//
// A frame file that is missing or cannot be read: the button keeps its picture
// and its counter, so it tries the same frame again on the next tick.
//
// Frames are read from disk at every change, as every picture is.
#include "platform/controls/control_array.h"
#include "platform/controls/graphical_button.h"

#include <cstdint>
#include <span>

namespace pendix {

// The next frame of one button; `counter` is the button's frame counter.
void animateTile(platform::GraphicalButton& button, std::int16_t& counter);

// One tick over a set: element i of `buttons` goes with counters[i], for i from 0
// to counters.size() - 1 in rising order.
void AnimateTiles(platform::ControlArray<platform::GraphicalButton>& buttons, std::span<std::int16_t> counters);

}  // namespace pendix
