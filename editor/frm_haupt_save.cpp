// Saving the level into "\lvlneu\" and naming it.
#include "editor/frm_haupt.h"

namespace pendix::editor {

void frmHaupt::mnuSpeichern_Click() {}

void frmHaupt::mnuSpeichernunter_Click() {}

void frmHaupt::lblLevelName_DblClick() {}

void frmHaupt::mnuNameändern_Click() { lblLevelName_DblClick(); }

}  // namespace pendix::editor
