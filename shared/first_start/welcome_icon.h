#pragma once
// The welcome box's own icon, drawn here: the box appears exactly when the
// program folder's icon files are missing.
#include <QIcon>

namespace pendix {

QIcon welcomeIcon();

}  // namespace pendix
