// The level menus and the level load.
#include "game/frm_haupt.h"

namespace pendix {

void frmHaupt::mnuLevel1_Click() { loadBuiltInLevel(1); }
void frmHaupt::mnuLevel2_Click() { loadBuiltInLevel(2); }
void frmHaupt::mnuLevel3_Click() { loadBuiltInLevel(3); }
void frmHaupt::mnuLevel4_Click() { loadBuiltInLevel(4); }
void frmHaupt::mnuLevel5_Click() { loadBuiltInLevel(5); }
void frmHaupt::mnuLevel6_Click() { loadBuiltInLevel(6); }
void frmHaupt::mnuLevel7_Click() { loadBuiltInLevel(7); }
void frmHaupt::mnuLevel8_Click() { loadBuiltInLevel(8); }
void frmHaupt::mnuLevel9_Click() { loadBuiltInLevel(9); }

void frmHaupt::loadBuiltInLevel(int number) { (void)number; }

void frmHaupt::LoadLevel(const QString& path) { (void)path; }

}  // namespace pendix
