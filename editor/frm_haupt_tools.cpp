// Choosing what the next board click does: a tile from a palette or an object
// menu, or the start or end mode from its button or menu item.
#include "editor/frm_haupt.h"

#include "editor/rules/palette_layout.h"
#include "platform/services/services.h"

namespace pendix::editor {

void frmHaupt::chooseTool(int code, platform::ControlArray<platform::MenuItem>& items, int item) {
    platform::setWaitCursor();
    SelectedCode = static_cast<std::int16_t>(code);
    // A tool always ends a position mode; a transporter waiting for its target stays unlinked.
    mnuStartpositionfestlegen.setChecked(false);
    mnuEndpositionfestlegen.setChecked(false);
    for (const ToolFamily& tools : toolFamilies())
        for (int n : tools.items.indices()) tools.items(n).setChecked(false);
    items(item).setChecked(true);
    platform::setDefaultCursor();
}

void frmHaupt::choosePagedTool(pendix::Family family, int index) {
    const ToolFamily tools = toolFamily(family);
    // The page in view is told by button 15 alone: the second page hides it.
    const bool firstPage = tools.buttons(15).visible();
    chooseTool(paletteCode(family, firstPage ? 1 : 2, index), tools.items, firstPage ? index : index + kPageButtons);
}

void frmHaupt::cmdStraße_Click(int index) { chooseTool(paletteCode(Family::Street, 1, index), mnuStraße, index); }
void frmHaupt::cmdGespStraße_Click(int index) { choosePagedTool(Family::Blocked, index); }
void frmHaupt::cmdBaum_Click(int index) { chooseTool(paletteCode(Family::Tree, 1, index), mnuBaum, index); }
void frmHaupt::cmdBlume_Click(int index) { chooseTool(paletteCode(Family::Flower, 1, index), mnuBlume, index); }
void frmHaupt::cmdHaus_Click(int index) { chooseTool(paletteCode(Family::House, 1, index), mnuHaus, index); }
void frmHaupt::cmdSport_Click(int index) { chooseTool(paletteCode(Family::Sport, 1, index), mnuSport, index); }
void frmHaupt::cmdTier_Click(int index) { chooseTool(paletteCode(Family::Animal, 1, index), mnuTier, index); }
void frmHaupt::cmdAnimation_Click(int index) {
    chooseTool(paletteCode(Family::Animation, 1, index), mnuAnimation, index);
}
void frmHaupt::cmdTransporter_Click(int index) { choosePagedTool(Family::Transporter, index); }

// The menus of the unpaged families stand for the same variant as the button of the same index.
void frmHaupt::mnuStraße_Click(int index) { cmdStraße_Click(index); }
void frmHaupt::mnuBaum_Click(int index) { cmdBaum_Click(index); }
void frmHaupt::mnuBlume_Click(int index) { cmdBlume_Click(index); }
void frmHaupt::mnuHaus_Click(int index) { cmdHaus_Click(index); }
void frmHaupt::mnuSport_Click(int index) { cmdSport_Click(index); }
void frmHaupt::mnuTier_Click(int index) { cmdTier_Click(index); }
void frmHaupt::mnuAnimation_Click(int index) { cmdAnimation_Click(index); }

// The menus of the paged families hold all 33 variants and never turn the page.
void frmHaupt::mnuGesperrteStraße_Click(int index) {
    chooseTool(familyFirstCode(Family::Blocked) + index, mnuGesperrteStraße, index);
}
void frmHaupt::mnuTransporter_Click(int index) {
    chooseTool(familyFirstCode(Family::Transporter) + index, mnuTransporter, index);
}

void frmHaupt::choosePositionMode(platform::MenuItem& chosen, platform::MenuItem& other) {
    // The tool stays chosen underneath: once the mark is set, clicks place it again.
    platform::setWaitCursor();
    chosen.setChecked(true);
    other.setChecked(false);
    platform::setDefaultCursor();
}

void frmHaupt::cmdStartPosition_Click() { choosePositionMode(mnuStartpositionfestlegen, mnuEndpositionfestlegen); }
void frmHaupt::cmdEndPosition_Click() { choosePositionMode(mnuEndpositionfestlegen, mnuStartpositionfestlegen); }
void frmHaupt::mnuStartpositionfestlegen_Click() { cmdStartPosition_Click(); }
void frmHaupt::mnuEndpositionfestlegen_Click() { cmdEndPosition_Click(); }

}  // namespace pendix::editor
