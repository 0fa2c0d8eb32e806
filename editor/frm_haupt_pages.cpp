// The two paged palettes: blocked streets and transporters show variants 1..18,
// or 19..33 on buttons 0..14 with buttons 15..17 hidden.
#include "editor/frm_haupt.h"

#include "editor/rules/palette_layout.h"
#include "platform/picture.h"
#include "platform/services/services.h"

namespace pendix::editor {

void frmHaupt::showPage(pendix::Family family, int page) {
    platform::setWaitCursor();
    const ToolFamily tools = toolFamily(family);
    const bool first = page == 1;
    // Every switch reads its bitmaps again; one that is missing leaves its button empty, and the switch completes.
    const int shown = first ? kPageButtons : kSecondPageButtons;
    for (int k = 0; k < shown; ++k)
        tools.buttons(k).setPicture(
            platform::loadPicture(tileBitmap(paletteCode(family, page, k), CurveSpelling::Palette)));
    for (int k = kSecondPageButtons; k < kPageButtons; ++k) {
        if (!first) tools.buttons(k).setPicture({});
        tools.buttons(k).setVisible(first);
    }
    platform::Image& back = family == Family::Blocked ? imgGespStraßen1 : imgTransporter1;
    platform::Image& forward = family == Family::Blocked ? imgGespStraßen2 : imgTransporter2;
    if (first) {
        back.setVisible(false);
        forward.setVisible(true);
    } else {
        back.setVisible(true);
        forward.setVisible(false);
    }
    platform::setDefaultCursor();
}

void frmHaupt::imgGespStraßen1_Click() { showPage(Family::Blocked, 1); }
void frmHaupt::imgGespStraßen2_Click() { showPage(Family::Blocked, 2); }
void frmHaupt::imgTransporter1_Click() { showPage(Family::Transporter, 1); }
void frmHaupt::imgTransporter2_Click() { showPage(Family::Transporter, 2); }

}  // namespace pendix::editor
