// The menu items that open the level chooser and the speed dialog.
#include "game/frm_haupt.h"

namespace pendix {

void frmHaupt::mnuNLö_Click() {}

void frmHaupt::mnuEinstellen_Click() {}

}  // namespace pendix
