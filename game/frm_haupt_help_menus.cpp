// The help, sound and info menus, the right-button pop-up and the first-start probe.
#include "game/frm_haupt.h"

namespace pendix {

void frmHaupt::FirstStartProbe() {}

void frmHaupt::mnuHilfe2_Click() {}

void frmHaupt::mnuObjekte_Click() {}

void frmHaupt::mnuMenüsystem_Click() {}

void frmHaupt::mnuSound1_Click() {}

void frmHaupt::Form_MouseUp(int button, int shift, double x, double y) {
    (void)button, (void)shift, (void)x, (void)y;
}

void frmHaupt::mnuInfo_Click() {}

void frmHaupt::mnuDateiInfo_Click() {}

}  // namespace pendix
