#pragma once
// One step of a window's icon animation: `iconStep` (the window's own member,
// kept across unload and reload) runs 1..15 and back to 1, and the window's
// icon becomes "\ico\auto" + the step as two digits + ".ico", read from disk.
// The first step of a fresh window (iconStep 0) shows "\ico\auto01.ico".
//
// An icon file that is missing or cannot be read leaves the icon as it was; the
// step still advances, so the cycle keeps its pace.
#include "platform/form.h"

#include <cstdint>

namespace pendix {

void AnimateIcon(platform::Form& form, std::int16_t& iconStep);

}  // namespace pendix
