// The game's start-up.
#include "game/start.h"

#include "game/frm_haupt.h"
#include "shared/start/main_window_start.h"

namespace pendix::game {

void Main() { showMainWindowUnderWaitCursor<frmHaupt>(); }

}  // namespace pendix::game
