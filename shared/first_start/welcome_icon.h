#pragma once
// The welcome box's own icon, drawn here: the box appears exactly when the
// program folder's icon files are missing.
#include "platform/picture.h"

namespace pendix {

platform::Picture welcomeIcon();

}  // namespace pendix
