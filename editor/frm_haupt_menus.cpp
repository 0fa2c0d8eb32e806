// The help menu, the side windows beside the editor and "Ende!".
#include "editor/frm_haupt.h"

#include "editor/frm_voz.h"
#include "platform/application.h"
#include "platform/services/services.h"
#include "shared/about_box/frm_info.h"
#include "shared/data_paths.h"
#include "shared/file_list/frm_datei_lst.h"
#include "shared/help/help_call.h"

namespace pendix::editor {

void frmHaupt::mnuHilfe1_Click() { showHelpFile(CommonDialog, kHelpEditor); }
void frmHaupt::mnuHilfe2_Click() { showHelpFile(CommonDialog, kHelpObjects); }
void frmHaupt::mnuMenüsystem_Click() { showHelpFile(CommonDialog, kHelpEditorMenus); }

void frmHaupt::mnuHilfe3_Click() { showAboutBox(editorProductTitle()); }

void frmHaupt::mnuDateiInfo_Click() { showFileList(); }

// An open count window only comes to the front and keeps its counts; a closed one loads and counts afresh.
void frmHaupt::mnuVerwendeteObjektezählen_Click() {
    platform::setWaitCursor();
    platform::instance<frmVOz>().show();
    platform::setDefaultCursor();
}

void frmHaupt::cmdVerwendeteObjektezählen_Click() { platform::instance<frmVOz>().show(); }

// Nothing is asked and nothing saved.
void frmHaupt::mnuEnde_Click() { platform::endProgram(); }

}  // namespace pendix::editor
