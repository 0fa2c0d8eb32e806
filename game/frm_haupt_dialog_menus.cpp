// The menu items that open the level chooser and the speed dialog.
#include "game/frm_haupt.h"

#include "game/frm_geschwindigkeit.h"
#include "platform/application.h"
#include "shared/level_chooser/frm_levelauswahl.h"

namespace pendix::game {

// "Neues Level öffnen": the chooser answers in this window's Tag; "" is a cancel.
// A driving car drives on meanwhile and through the new level's loading.
void frmHaupt::mnuNLö_Click() {
    platform::instance<frmLevelauswahl>().showModal();
    if (tag().isEmpty()) return;
    ClearBoard();
    LoadLevel(tag());
}

// "Einstellen": the speed dialog sets the step timer itself.
void frmHaupt::mnuEinstellen_Click() { platform::instance<frmGeschwindigkeit>().showModal(); }

}  // namespace pendix::game
