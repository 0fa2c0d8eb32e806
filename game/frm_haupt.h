#pragma once
// The game's main window: title, fields counter, start button, the board of 400
// tile buttons with their 400 car overlays, the hint line, the two timers, the
// help and sound controls and the whole menu bar, plus the state that level
// loading, the car step, the keys and the animations share.
//
// One instance for the whole run: platform::instance<frmHaupt>(). Its handlers
// are spread over several files, one job each:
//   frm_haupt.cpp               design, Form_Load, ClearBoard, "Ende!", the timers
//   frm_haupt_level.cpp         the level menus and LoadLevel
//   frm_haupt_drive.cpp         StepCar, tmeWeiter_Timer, "Level - Start", the keys
//   frm_haupt_dialog_menus.cpp  "Neues Level öffnen", "Einstellen"
//   frm_haupt_help_menus.cpp    help, sound, info menus, the pop-up, the first-start probe
#include "platform/controls/band.h"
#include "platform/controls/command_button.h"
#include "platform/controls/common_dialog.h"
#include "platform/controls/control_array.h"
#include "platform/controls/graphical_button.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/mm_control.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/form.h"
#include "shared/level_format/level_lines.h"
#include "shared/tile_catalogue.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pendix::game {

class frmHaupt : public platform::Form {
public:
    frmHaupt();

    // --- Controls ---------------------------------------------------------------
    platform::Label lblLevelName;
    platform::Label lblGefahreneFelder;
    platform::TextBox txtGF;  // the fields counter
    platform::CommandButton cmdLevelStart;
    platform::ControlArray<platform::GraphicalButton> cmd;  // tile buttons, cells 0..399
    platform::ControlArray<platform::PictureBox> pic;       // car overlays, cells 0..399
    platform::ControlArray<platform::Band> boardRows;  // the board's rows 0..15, one band each
    platform::Label lbllvlneu;
    platform::Timer Timer;      // 100 ms: icon and tile animation
    platform::Timer tmeWeiter;  // the step timer of a driving car
    platform::CommonDialog CommonDialog;
    platform::MMControl MMControl;

    // --- Menus ------------------------------------------------------------------
    platform::MenuItem mnuLevel;
    platform::MenuItem mnuLevel1, mnuLevel2, mnuLevel3, mnuLevel4, mnuLevel5, mnuLevel6, mnuLevel7,
        mnuLevel8, mnuLevel9;
    platform::MenuItem mnuNLö;
    platform::MenuItem mnuGeschwindigkeit;
    platform::MenuItem mnuEinstellen;
    platform::MenuItem mnuSound0;
    platform::MenuItem mnuSound1;
    platform::MenuItem mnuHilfe;
    platform::MenuItem mnuHilfe2;
    platform::MenuItem mnuObjekte;
    platform::MenuItem mnuMenüsystem;
    platform::MenuItem mnuInfo;
    platform::MenuItem mnuDateiInfo;
    platform::MenuItem mnuEnde;

    // --- Window-level state -----------------------------------------------------
    static constexpr int kCells = kCellCount;

    std::int16_t StartPos = 0;  // start cell (level line 402)
    std::int16_t StartDir = 0;  // start direction 1..8 (level line 403)
    std::int16_t EndPos = 0;    // end cell (level line 404)
    std::int16_t CarPos = 0;
    std::int16_t CarDir = 0;
    std::int16_t PrevPos = 0;   // the cell the car came from
    QString LevelName;          // trimmed line 1
    std::int16_t TurnLeft = 0;  // 1: a left turn is requested
    std::int16_t TurnRight = 0; // 1: a right turn is requested
    // The level file's lines as read (Windows-1252 bytes): file line k is LevelLines[k - 1],
    // so LevelLines[0] is the name and LevelLines[1 + i] is cell i.
    std::array<std::string, kLevelLineCount> LevelLines{};
    std::array<std::int16_t, kCells> AnimCells{};  // frame shown by each animated cell, 0 = not started
    std::int16_t IconStep = 0;

    // --- Operations -------------------------------------------------------------
    // Clears tiles and overlays only; counter, timers, title and state stay.
    void ClearBoard();
    // Draws the level file at `path` (a data path "\lev1-9\level1.lvl" or a full path)
    // onto the cleared board. A file it cannot use leaves the board cleared with a message.
    void LoadLevel(const QString& path);
    // One step of the driving car.
    void StepCar();

    // --- Handlers ---------------------------------------------------------------
    void mnuLevel1_Click();
    void mnuLevel2_Click();
    void mnuLevel3_Click();
    void mnuLevel4_Click();
    void mnuLevel5_Click();
    void mnuLevel6_Click();
    void mnuLevel7_Click();
    void mnuLevel8_Click();
    void mnuLevel9_Click();
    void mnuNLö_Click();
    void mnuEinstellen_Click();
    void mnuSound1_Click();
    void mnuHilfe2_Click();
    void mnuObjekte_Click();
    void mnuMenüsystem_Click();
    void mnuInfo_Click();
    void mnuDateiInfo_Click();
    void mnuEnde_Click();
    void cmdLevelStart_Click();
    void Timer_Timer();
    void tmeWeiter_Timer();
    // The first-start check, run at the top of Form_Load.
    void FirstStartProbe();

    // Public so that tests and the key preview reach them as the window does.
    void Form_KeyPress(int& keyAscii) override;
    void Form_MouseUp(int button, int shift, double x, double y) override;

protected:
    void design() override;
    void Form_Load() override;

private:
    void designMenus();
    void loadBuiltInLevel(int number);
    // A level file that cannot be used: a message naming it and the problem, and
    // the window as before any level was read.
    void refuseLevel(const QString& path, const QString& problem);
    // A wave under the program folder through the multimedia control, while "Sound" is checked.
    void playWave(std::string_view wave);
};

}  // namespace pendix::game
