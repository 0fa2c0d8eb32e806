#pragma once
// One-line labels whose boxes were sized for the original fonts: where the
// installed font draws a caption wider than its box, the box grows by whole
// pixels away from its aligned edge. A centred label grows on both sides alike,
// so its centre (mostly the window's centre line) stays; a left-aligned one grows
// to the right, a right-aligned one to the left.
#include "platform/controls/label.h"

namespace pendix {

// Widens `label` until its caption fits on one line; never narrows it.
void widenToFitCaption(platform::Label& label);

}  // namespace pendix
