// The game window's design, its load handler, the board clear, "Ende!" and the
// animation timer.
#include "game/frm_haupt.h"

#include "platform/services/services.h"
#include "shared/animation/icon_animation.h"
#include "shared/animation/tile_animation.h"
#include "shared/board/board.h"
#include "shared/tile_catalogue.h"

namespace pendix::game {

namespace {

const QColor kTitleColor(64, 0, 0);

}  // namespace

frmHaupt::frmHaupt() {
    cmdLevelStart.onClick = [this] { cmdLevelStart_Click(); };
    Timer.onTimer = [this] { Timer_Timer(); };
    tmeWeiter.onTimer = [this] { tmeWeiter_Timer(); };

    mnuLevel1.onClick = [this] { mnuLevel1_Click(); };
    mnuLevel2.onClick = [this] { mnuLevel2_Click(); };
    mnuLevel3.onClick = [this] { mnuLevel3_Click(); };
    mnuLevel4.onClick = [this] { mnuLevel4_Click(); };
    mnuLevel5.onClick = [this] { mnuLevel5_Click(); };
    mnuLevel6.onClick = [this] { mnuLevel6_Click(); };
    mnuLevel7.onClick = [this] { mnuLevel7_Click(); };
    mnuLevel8.onClick = [this] { mnuLevel8_Click(); };
    mnuLevel9.onClick = [this] { mnuLevel9_Click(); };
    mnuNLö.onClick = [this] { mnuNLö_Click(); };
    mnuEinstellen.onClick = [this] { mnuEinstellen_Click(); };
    mnuSound1.onClick = [this] { mnuSound1_Click(); };
    mnuHilfe2.onClick = [this] { mnuHilfe2_Click(); };
    mnuObjekte.onClick = [this] { mnuObjekte_Click(); };
    mnuMenüsystem.onClick = [this] { mnuMenüsystem_Click(); };
    mnuInfo.onClick = [this] { mnuInfo_Click(); };
    mnuDateiInfo.onClick = [this] { mnuDateiInfo_Click(); };
    mnuEnde.onClick = [this] { mnuEnde_Click(); };
}

void frmHaupt::design() {
    setCaption(QStringLiteral("Pendix"));
    setClientSize(15270, 10860);
    setKeyPreview(true);
    setFixedBorder(true);

    place(lblLevelName, {120, 0, 15015, 375});
    lblLevelName.setCaption(QStringLiteral("Kein Level eingelesen!"));
    lblLevelName.setAlignment(platform::Alignment::Center);
    lblLevelName.setFont({QStringLiteral("Arial"), 15.75});
    lblLevelName.setForeColor(kTitleColor);
    lblLevelName.setToolTip(QStringLiteral("Hier erfahren sie den Namen des aktuell geladenen Levels."));

    place(lblGefahreneFelder, {6705, 425, 1335, 255});
    lblGefahreneFelder.setCaption(QStringLiteral("Gefahrene Felder:"));

    place(txtGF, {8060, 400, 495, 285});
    txtGF.setText(QStringLiteral("0"));
    txtGF.setLocked(true);

    place(cmdLevelStart, {120, 720, 15015, 375});
    cmdLevelStart.setCaption(QStringLiteral("Level - Start"));
    cmdLevelStart.setToolTip(QStringLiteral("Klicken sie hier, um das aktuelle Level zu starten."));

    const PlaceOnForm placeOnForm = [this](platform::Control& control, const platform::Rect& rect) {
        place(control, rect);
    };
    designBoard(boardRows, cmd, pic, placeOnForm);
    designHintLine(lbllvlneu, placeOnForm);

    place(Timer);
    Timer.setInterval(100);
    Timer.setEnabled(true);
    place(tmeWeiter);
    tmeWeiter.setInterval(1000);
    tmeWeiter.setEnabled(false);
    place(CommonDialog);
    place(MMControl);
    MMControl.setVisible(false);

    designMenus();
}

void frmHaupt::designMenus() {
    addMenu(mnuLevel);
    mnuLevel.setCaption(QStringLiteral("Level"));
    platform::MenuItem* const levels[] = {&mnuLevel1, &mnuLevel2, &mnuLevel3, &mnuLevel4, &mnuLevel5,
                                          &mnuLevel6, &mnuLevel7, &mnuLevel8, &mnuLevel9};
    for (int n = 1; n <= 9; ++n) {
        auto& item = mnuLevel.addItem(*levels[n - 1]);
        item.setCaption(QStringLiteral("Level %1").arg(n));
        item.setShortcut(QStringLiteral("F%1").arg(n));
    }
    mnuLevel.addItem(mnuNLö).setCaption(QStringLiteral("Neues Level öffnen"));
    mnuNLö.setShortcut(QStringLiteral("F11"));

    addMenu(mnuGeschwindigkeit).setCaption(QStringLiteral("Geschwindigkeit"));
    mnuGeschwindigkeit.addItem(mnuEinstellen).setCaption(QStringLiteral("Einstellen"));
    mnuEinstellen.setShortcut(QStringLiteral("Ctrl+G"));

    addMenu(mnuSound0).setCaption(QStringLiteral("Sound"));
    mnuSound0.addItem(mnuSound1).setCaption(QStringLiteral("Sound"));
    mnuSound1.setShortcut(QStringLiteral("Ctrl+S"));
    mnuSound1.setChecked(true);

    addMenu(mnuHilfe).setCaption(QStringLiteral("Hilfe"));
    const struct {
        platform::MenuItem* item;
        const char* caption;
        const char* shortcut;
    } help[] = {
        {&mnuHilfe2, "Hilfe", "Ctrl+H"},           {&mnuObjekte, "Objekte", "Ctrl+O"},
        {&mnuMenüsystem, "Menüsystem", "Ctrl+M"},  {&mnuInfo, "Info", "Ctrl+I"},
        {&mnuDateiInfo, "Datei - Info", "Ctrl+D"},
    };
    for (const auto& entry : help) {
        mnuHilfe.addItem(*entry.item).setCaption(QString::fromUtf8(entry.caption));
        entry.item->setShortcut(QString::fromUtf8(entry.shortcut));
    }

    addMenu(mnuEnde).setCaption(QStringLiteral("Ende!"));
}

void frmHaupt::Form_Load() { FirstStartProbe(); }

void frmHaupt::ClearBoard() { clearBoard(cmd, pic); }

void frmHaupt::mnuEnde_Click() { platform::endProgram(); }

void frmHaupt::Timer_Timer() {
    AnimateIcon(*this, IconStep);
    AnimateTiles(cmd, AnimCells);
}

}  // namespace pendix::game
