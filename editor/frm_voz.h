#pragma once
// The count window "Verwendete Objekte zählen": for every tile of the catalogue
// its picture and how often it lies on the editor's board, a total per family on
// each family's tab, and the overall total below the tabs. It reads the board
// when it loads and when "Aktualisieren" is pressed, and writes nothing there;
// the editor does not tell it about later edits. Closing it unloads it, so the
// next opening counts afresh.
//
//   frm_voz.cpp        design, Form_Load, the animation timer
//   frm_voz_count.cpp  CountUsedObjects and "Aktualisieren"
#include "platform/controls/command_button.h"
#include "platform/controls/control_array.h"
#include "platform/controls/graphical_button.h"
#include "platform/controls/label.h"
#include "platform/controls/tab_strip.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/form.h"
#include "shared/tile_catalogue.h"

#include <array>
#include <cstdint>

namespace pendix::editor {

class frmVOz : public platform::Form {
public:
    frmVOz();

    // --- Controls ---------------------------------------------------------------
    platform::CommandButton cmdAktualisieren;  // first in the tab order
    platform::TabStrip SSTab1;
    // One object button per variant, no paging: element k is code base + k.
    platform::ControlArray<platform::GraphicalButton> cmdStraße;       // 0..10
    platform::ControlArray<platform::GraphicalButton> cmdGespStraße;   // 0..32
    platform::ControlArray<platform::GraphicalButton> cmdBaum;         // 0..13
    platform::ControlArray<platform::GraphicalButton> cmdBlume;        // 0..8
    platform::ControlArray<platform::GraphicalButton> cmdHaus;         // 0..9
    platform::ControlArray<platform::GraphicalButton> cmdSport;        // 0..20
    platform::ControlArray<platform::GraphicalButton> cmdTier;         // 0..20
    platform::ControlArray<platform::GraphicalButton> cmdAnimation;    // 0..20, tags "801".."821"
    platform::ControlArray<platform::GraphicalButton> cmdTransporter;  // 0..32
    platform::ControlArray<platform::Label> lblGleich;                 // 0..172, the "=" beside each box
    platform::ControlArray<platform::TextBox> txt;  // indexed by the 173 catalogue codes, no other index
    platform::Label lblAnzahlderverwendetenStraßen, lblAnzahlderverwendetengesperrtenStraßen,
        lblAnzahlderverwendetenBäume, lblAnzahlderverwendetenBlumen, lblAnzahlderverwendetenHäuser,
        lblAnzahlderverwendetenSportObjekte, lblAnzahlderverwendetenTiere, lblAnzahlderverwendetenAnimationen,
        lblAnzahlderverwendetenTransporter;
    platform::TextBox txtAdvSt, txtAdvgS, txtAdvBä, txtAdvBl, txtAdvH, txtAdvSp, txtAdvTi, txtAdvA, txtAdvTr;
    platform::Label lblInsgesamteAnzahl;
    platform::TextBox txtIA;
    platform::Timer Timer;  // 100 ms: the icon and the animation buttons

    // --- The window's own variables ---------------------------------------------
    std::int16_t IconStep = 0;
    std::array<std::int16_t, kAnimationKinds> AnimFrame{};  // frame shown by each animation button

    // A family's object buttons, its total box and the label beside it.
    platform::ControlArray<platform::GraphicalButton>& objects(Family family);
    platform::TextBox& familyTotal(Family family);
    platform::Label& familyLabel(Family family);

    // --- Operations and handlers ------------------------------------------------
    // Adds the board's tiles to the boxes as they stand; callers bring them to "0" first.
    void CountUsedObjects();
    void cmdAktualisieren_Click();
    void Timer_Timer();

protected:
    void design() override;
    void Form_Load() override;

private:
    struct FamilyControls {
        Family family;
        platform::ControlArray<platform::GraphicalButton>& buttons;
        platform::Label& label;
        platform::TextBox& total;
    };
    std::array<FamilyControls, 9> families();
    FamilyControls familyControls(Family family);

    void designFamilyTab(const FamilyControls& controls, int& equalsIndex);
    void designFoot();
    void zeroCounts();
};

}  // namespace pendix::editor
