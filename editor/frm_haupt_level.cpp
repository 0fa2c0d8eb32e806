// Clearing the board, loading a level file, "Neu" and "Öffnen".
#include "editor/frm_haupt.h"

#include "platform/services/services.h"
#include "shared/board/board.h"

namespace pendix::editor {

void frmHaupt::ClearBoard() { clearBoard(cmd, pic); }

void frmHaupt::LoadLevel(const QString&) {}

void frmHaupt::mnuNeu_Click() {}

void frmHaupt::mnuÖffnen_Click() {}

}  // namespace pendix::editor
