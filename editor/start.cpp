// The editor's start-up.
#include "editor/start.h"

#include "editor/frm_haupt.h"
#include "shared/start/main_window_start.h"

namespace pendix::editor {

void Main() { showMainWindowUnderWaitCursor<frmHaupt>(); }

}  // namespace pendix::editor
