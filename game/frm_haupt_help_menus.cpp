// The help, sound and info menus, the right-button pop-up and the first-start probe.
#include "game/frm_haupt.h"

#include "platform/services/services.h"
#include "shared/about_box/frm_info.h"
#include "shared/data_paths.h"
#include "shared/file_list/frm_datei_lst.h"
#include "shared/first_start/first_start_probe.h"
#include "shared/help/help_call.h"

namespace pendix::game {

void frmHaupt::FirstStartProbe() { passesFirstStartProbe(*this, &Timer); }

void frmHaupt::mnuHilfe2_Click() { showHelpFile(CommonDialog, kHelpGame); }

void frmHaupt::mnuObjekte_Click() { showHelpFile(CommonDialog, kHelpObjects); }

void frmHaupt::mnuMenüsystem_Click() { showHelpFile(CommonDialog, kHelpGameMenus); }

void frmHaupt::mnuSound1_Click() {
    platform::setWaitCursor();
    mnuSound1.setChecked(!mnuSound1.checked());
    platform::setDefaultCursor();
}

void frmHaupt::Form_MouseUp(int button, int, double, double) {
    platform::setWaitCursor();
    if (button == platform::kRightButton) popupMenu(mnuHilfe);
    platform::setDefaultCursor();
}

void frmHaupt::mnuInfo_Click() { showAboutBox(gameProductTitle()); }

void frmHaupt::mnuDateiInfo_Click() { showFileList(); }

}  // namespace pendix::game
