#pragma once
// Where a window opens for the window that asked for it: beside it, so that both
// can be seen, or centred on it where the screen has no room beside it.
#include <QRect>
#include <QSize>

namespace platform {

// `asker` is the asking window's frame, `wanted` the new window's frame size and
// `screen` the free area of the asker's screen; the answer is the new window's
// frame. Beside the asker, level with its top: right of it where the whole width
// fits, else left of it; else on the side with more room, narrowed to that room
// while it is at least `minWidth`; with less room on both sides, centred on the
// asker. Always within the screen as far as the window's size allows.
QRect placeBeside(const QRect& asker, const QSize& wanted, int minWidth, const QRect& screen);

}  // namespace platform
