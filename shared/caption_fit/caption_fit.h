#pragma once
// One-line labels whose boxes were sized for the original fonts: where the
// installed font draws a caption wider than its box, the box grows by whole
// pixels on both sides alike, so its centre (the window's centre line) stays.
#include "platform/controls/label.h"

namespace pendix {

// Widens `label` symmetrically until its caption fits on one line; never narrows it.
void widenToFitCaption(platform::Label& label);

}  // namespace pendix
