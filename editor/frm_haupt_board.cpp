// Board clicks: placing and erasing tiles, the start, the end and transporter links.
#include "editor/frm_haupt.h"

namespace pendix::editor {

void frmHaupt::cmd_Click(int) {}

void frmHaupt::cmd_MouseUp(int, int, int, double, double) {}

}  // namespace pendix::editor
