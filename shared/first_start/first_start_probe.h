#pragma once
// The first-start check at the top of each main window's Form_Load: without the
// probe bitmap "\bmp\Autedlou.bmp" the program folder counts as not installed,
// and the welcome box offers the installer and ends the program.
#include "platform/controls/timer.h"
#include "platform/form.h"

namespace pendix {

// True when the probe loads as a picture: the load handler goes on. Otherwise
// switches `animationTimer` off (the help launcher, which has none, passes
// nullptr), shows frmBeginn modally and returns false. Both ways out of the box
// end the program; should ending return (the test doubles), `mainWindow` is
// unloaded as well, so that it is never shown: the caller's load handler must
// do nothing more then.
bool passesFirstStartProbe(platform::Form& mainWindow, platform::Timer* animationTimer);

// The same way out for a load handler that finds its data incomplete after the
// probe (the editor's palette pictures): timer off, the box, `mainWindow` unloaded.
void showFirstStartBox(platform::Form& mainWindow, platform::Timer* animationTimer);

}  // namespace pendix
