#pragma once
// The editor's main window: the board of 400 tile buttons with their overlays
// (start car, transporter target arrows), the tab strip with the level name, the
// start and end buttons and the nine tool palettes, the hint line, the menus,
// and the editor's whole state.
//
// One instance for the whole run: platform::instance<editor::frmHaupt>(). Its
// handlers are spread over several files, one job each:
//   frm_haupt.cpp          design, Form_Load, the timer, the window's close box
//   frm_haupt_tools.cpp    choosing a tool or a position mode (palettes, object menus)
//   frm_haupt_pages.cpp    the two paged palettes' arrows
//   frm_haupt_board.cpp    board clicks: placing, erasing, start, end, transporter links
//   frm_haupt_level.cpp    ClearBoard, LoadLevel, "Neu", "Öffnen"
//   frm_haupt_save.cpp     "Speichern", "Speichern unter", renaming the level
//   frm_haupt_menus.cpp    help, info, file list, the count window, "Ende!"
#include "platform/controls/band.h"
#include "platform/controls/command_button.h"
#include "platform/controls/common_dialog.h"
#include "platform/controls/control_array.h"
#include "platform/controls/graphical_button.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/tab_strip.h"
#include "platform/controls/timer.h"
#include "platform/form.h"
#include "shared/level_format/level_lines.h"
#include "shared/tile_catalogue.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>

namespace pendix::editor {

class frmHaupt : public platform::Form {
public:
    frmHaupt();

    // --- Controls ---------------------------------------------------------------
    platform::ControlArray<platform::GraphicalButton> cmd;  // tile buttons, cells 0..399
    platform::ControlArray<platform::PictureBox> pic;       // overlays: start car, target arrows
    platform::ControlArray<platform::Band> boardRows;  // the board's rows 0..15, one band each
    platform::TabStrip SSTab;
    // Tab "Name"
    platform::Label lblLevelName;
    // Tab "Start / Ende"
    platform::CommandButton cmdStartPosition;
    platform::Label lblSP;
    platform::CommandButton cmdVerwendeteObjektezählen;
    platform::CommandButton cmdEndPosition;
    platform::Label lblEP;
    // The tool palettes, one family a tab; the two paged ones show 18 variants at a time.
    platform::ControlArray<platform::GraphicalButton> cmdStraße;       // 0..10
    platform::ControlArray<platform::GraphicalButton> cmdGespStraße;   // 0..17
    platform::ControlArray<platform::GraphicalButton> cmdBaum;         // 0..13
    platform::ControlArray<platform::GraphicalButton> cmdBlume;        // 0..8
    platform::ControlArray<platform::GraphicalButton> cmdHaus;         // 0..9
    platform::ControlArray<platform::GraphicalButton> cmdSport;        // 0..20
    platform::ControlArray<platform::GraphicalButton> cmdTier;         // 0..20
    platform::ControlArray<platform::GraphicalButton> cmdAnimation;    // 0..20, tags "801".."821"
    platform::ControlArray<platform::GraphicalButton> cmdTransporter;  // 0..17
    platform::Image imgGespStraßen1, imgGespStraßen2;  // back and forward arrows
    platform::Image imgTransporter1, imgTransporter2;
    platform::Label lbllvlneu;  // the hint line under the board
    platform::Timer Timer;      // 100 ms: icon, board and palette animation
    platform::CommonDialog CommonDialog;

    // --- Menus ------------------------------------------------------------------
    platform::MenuItem mnuLevel;
    platform::MenuItem mnuNeu, mnuSpeichern, mnuSpeichernunter, mnuÖffnen;
    platform::MenuItem mnuObjekte;
    platform::MenuItem mnuNameändern;
    platform::MenuItem mnuVerwendeteObjektezählen;
    platform::MenuItem mnuStartEnde;
    platform::MenuItem mnuStartpositionfestlegen, mnuEndpositionfestlegen;
    platform::MenuItem mnuStraßen, mnuGesperrteStraßen, mnuBäumen, mnuBlumen, mnuHäuser, mnuSport0, mnuTiere,
        mnuAnimationen, mnuTransporter0;
    platform::ControlArray<platform::MenuItem> mnuStraße;           // 0..10
    platform::ControlArray<platform::MenuItem> mnuGesperrteStraße;  // 0..32
    platform::ControlArray<platform::MenuItem> mnuBaum;             // 0..13
    platform::ControlArray<platform::MenuItem> mnuBlume;            // 0..8
    platform::ControlArray<platform::MenuItem> mnuHaus;             // 0..9
    platform::ControlArray<platform::MenuItem> mnuSport;            // 0..20
    platform::ControlArray<platform::MenuItem> mnuTier;             // 0..20
    platform::ControlArray<platform::MenuItem> mnuAnimation;        // 0..20
    platform::ControlArray<platform::MenuItem> mnuTransporter;      // 0..32
    platform::MenuItem mnuHilfe0;
    platform::MenuItem mnuHilfe1, mnuHilfe2, mnuMenüsystem, mnuHilfe3, mnuDateiInfo;
    platform::MenuItem mnuEnde;

    // --- The editor's state -----------------------------------------------------
    static constexpr int kCells = kCellCount;
    static constexpr int kNoTool = 0;
    static constexpr int kTargetChoice = 1000;  // SelectedCode 1000 + cell: that transporter waits for its target

    std::int16_t IconStep = 0;
    std::int16_t StartPos = 0;  // start cell
    std::int16_t StartDir = 0;  // start direction 1..8; 0: no start set
    std::int16_t EndPos = 0;    // end cell; 0 also before any end was set
    QString LevelName = QStringLiteral("Blanko");
    QString LevelFileName;  // the file name under "\lvlneu\"; empty: saving asks for one
    // 0 no tool, 101..933 the tile code to place, 1000 + cell while that transporter waits for its target.
    std::int16_t SelectedCode = kNoTool;
    // The lines of the level file read last (Windows-1252 bytes): file line k is LevelLines[k - 1],
    // so LevelLines[0] is the name and LevelLines[1 + i] is cell i.
    std::array<std::string, kLevelLineCount> LevelLines{};
    std::array<std::int16_t, kCells> AnimCells{};  // frame shown by each animated cell, 0 = not animating
    std::array<std::int16_t, kAnimationKinds> AnimFrame{};  // frame shown by each animation palette button

    // A family's palette buttons and its object menu's items.
    platform::ControlArray<platform::GraphicalButton>& palette(pendix::Family family);
    platform::ControlArray<platform::MenuItem>& objectItems(pendix::Family family);

    // --- Operations -------------------------------------------------------------
    void ClearBoard();
    // Draws the level file at `path` (a full path or a data path) onto the board as it stands.
    void LoadLevel(const QString& path);
    void AnimateTiles();
    void AnimateIcon();
    // The bytes a save writes for the level as it stands: the name, every cell's
    // tag, the start, its direction and the end.
    std::string levelBytes();

    // --- Handlers ---------------------------------------------------------------
    void cmd_Click(int index);
    void cmd_MouseUp(int index, int button, int shift, double x, double y);
    void cmdAnimation_Click(int index);
    void cmdBaum_Click(int index);
    void cmdBlume_Click(int index);
    void cmdEndPosition_Click();
    void cmdGespStraße_Click(int index);
    void cmdHaus_Click(int index);
    void cmdSport_Click(int index);
    void cmdStartPosition_Click();
    void cmdStraße_Click(int index);
    void cmdTier_Click(int index);
    void cmdTransporter_Click(int index);
    void cmdVerwendeteObjektezählen_Click();
    void imgGespStraßen1_Click();
    void imgGespStraßen2_Click();
    void imgTransporter1_Click();
    void imgTransporter2_Click();
    void mnuDateiInfo_Click();
    void mnuMenüsystem_Click();
    void mnuNameändern_Click();
    void mnuAnimation_Click(int index);
    void mnuBaum_Click(int index);
    void mnuBlume_Click(int index);
    void mnuGesperrteStraße_Click(int index);
    void mnuHaus_Click(int index);
    void mnuSport_Click(int index);
    void mnuStraße_Click(int index);
    void mnuTier_Click(int index);
    void mnuTransporter_Click(int index);
    void mnuVerwendeteObjektezählen_Click();
    void mnuStartpositionfestlegen_Click();
    void mnuEndpositionfestlegen_Click();
    void lblLevelName_DblClick();
    void mnuEnde_Click();
    void mnuHilfe1_Click();
    void mnuHilfe3_Click();
    void mnuNeu_Click();
    void mnuHilfe2_Click();
    void mnuÖffnen_Click();
    void mnuSpeichernunter_Click();
    void mnuSpeichern_Click();
    void Timer_Timer();

protected:
    void design() override;
    void Form_Load() override;
    // The close box ends the editor as "Ende!" does: no hidden chooser or side window keeps it running.
    void Form_Unload(int& cancel) override;

private:
    // One tool family: its palette on the tab strip and its object menu.
    struct ToolFamily {
        pendix::Family family;
        platform::ControlArray<platform::GraphicalButton>& buttons;
        platform::MenuItem& menu;
        platform::ControlArray<platform::MenuItem>& items;
    };
    std::array<ToolFamily, 9> toolFamilies();
    ToolFamily toolFamily(pendix::Family family);

    void designTabs();
    void designPalettes();
    void designMenus();
    bool fillPalettes();

    // Choosing a tool: SelectedCode, the end of a position mode, the one checked object item.
    void chooseTool(int code, platform::ControlArray<platform::MenuItem>& items, int item);
    // A paged palette's button: the code of the page in view.
    void choosePagedTool(pendix::Family family, int index);
    void choosePositionMode(platform::MenuItem& chosen, platform::MenuItem& other);
    void showPage(pendix::Family family, int page);

    // A left click on a cell, from its second step on: the first of its branches that applies.
    void clickCell(int index);
    // The arrow of the link that the transporter on `source` holds, taken off its target.
    void removeTargetArrow(int source);
    void chooseTarget(int target);
    void turnExit(int target);
    void markStart(int cell);
    void markEnd(int cell);
    // Refuses a start or an end off the plain streets or on the other mark's cell; true when refused.
    bool refusedMark(int cell, int otherMark, const QString& noStreet, const QString& taken);
    void placeTile(int cell);
    void eraseCell(int cell);
    void refuseClick(const QString& message);
    // Whether the cell's tag reads as a plain street 101..111 (the start, the end and a target go only there).
    bool holdsPlainStreet(int cell);

    // Saving: whether the end cell holds a plain street 101..111; writing the level
    // into "\lvlneu\" + LevelFileName, giving "" or the German failure message.
    bool endOnPlainStreet();
    QString saveLevelFile();
};

}  // namespace pendix::editor
