// The count window's design, its load handler and its animation timer.
#include "editor/frm_voz.h"

#include "editor/rules/count_layout.h"
#include "editor/rules/palette_layout.h"
#include "platform/picture.h"
#include "platform/services/services.h"
#include "shared/animation/icon_animation.h"
#include "shared/animation/tile_animation.h"
#include "shared/board/board.h"
#include "shared/caption_fit/caption_fit.h"

namespace pendix::editor {

namespace {

const QString kObjectToolTip = QStringLiteral("Hier wird das Objekt angezeigt.");
const QString kCountToolTip = QStringLiteral("Hier wird angezeigt, wie oft das Objekt verwendet wurde.");

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// Every box of the window only shows a count: the user reads it and cannot type.
void designCountBox(platform::TextBox& box, const QString& toolTip) {
    box.setText(QStringLiteral("0"));
    box.setLocked(true);
    box.setToolTip(toolTip);
}

}  // namespace

frmVOz::frmVOz() {
    cmdAktualisieren.onClick = [this] { cmdAktualisieren_Click(); };
    Timer.onTimer = [this] { Timer_Timer(); };
}

std::array<frmVOz::FamilyControls, 9> frmVOz::families() {
    return {{
        {Family::Street, cmdStraße, lblAnzahlderverwendetenStraßen, txtAdvSt},
        {Family::Blocked, cmdGespStraße, lblAnzahlderverwendetengesperrtenStraßen, txtAdvgS},
        {Family::Tree, cmdBaum, lblAnzahlderverwendetenBäume, txtAdvBä},
        {Family::Flower, cmdBlume, lblAnzahlderverwendetenBlumen, txtAdvBl},
        {Family::House, cmdHaus, lblAnzahlderverwendetenHäuser, txtAdvH},
        {Family::Sport, cmdSport, lblAnzahlderverwendetenSportObjekte, txtAdvSp},
        {Family::Animal, cmdTier, lblAnzahlderverwendetenTiere, txtAdvTi},
        {Family::Animation, cmdAnimation, lblAnzahlderverwendetenAnimationen, txtAdvA},
        {Family::Transporter, cmdTransporter, lblAnzahlderverwendetenTransporter, txtAdvTr},
    }};
}

frmVOz::FamilyControls frmVOz::familyControls(Family family) {
    for (const FamilyControls& controls : families())
        if (controls.family == family) return controls;
    return families()[0];
}

platform::ControlArray<platform::GraphicalButton>& frmVOz::objects(Family family) {
    return familyControls(family).buttons;
}
platform::TextBox& frmVOz::familyTotal(Family family) { return familyControls(family).total; }
platform::Label& frmVOz::familyLabel(Family family) { return familyControls(family).label; }

void frmVOz::design() {
    setCaption(QStringLiteral("Verwendete Objekte zählen"));
    setClientSize(13695, 4815);
    setFixedBorder(true);
    setCentered(true);

    // Placed first, so it is first in the tab order and has the focus when the window opens.
    place(cmdAktualisieren, {4440, 4200, 9135, 480});
    cmdAktualisieren.setCaption(QStringLiteral("Aktualisieren"));
    cmdAktualisieren.setFont({QStringLiteral("Courier New"), 24});
    cmdAktualisieren.setToolTip(QStringLiteral("Klicken sie hier, um die Angaben zu aktualisieren."));

    place(SSTab1, {120, 120, 13455, 3975});
    SSTab1.setTabCount(kCountTabCount);
    SSTab1.setTabHeight(kCountTabHeight);
    int equalsIndex = 0;
    for (const FamilyControls& controls : families()) {
        SSTab1.setTabCaption(countTab(controls.family), text(tabCaption(paletteTab(controls.family))));
        designFamilyTab(controls, equalsIndex);
    }
    SSTab1.setTab(countTab(Family::Street));

    designFoot();

    place(Timer);
    Timer.setInterval(100);
    Timer.setEnabled(true);
}

void frmVOz::designFamilyTab(const FamilyControls& controls, int& equalsIndex) {
    const int tab = countTab(controls.family);
    const int first = familyFirstCode(controls.family);
    for (int k = 0; k < familyVariantCount(controls.family); ++k) {
        auto& button = SSTab1.place(controls.buttons.add(k), tab, objectButtonRect(k));
        button.setBackColor(kBoardGreen);
        button.setToolTip(kObjectToolTip);
        // The animation reads the animation buttons' tags; every other object keeps "0".
        button.setTag(controls.family == Family::Animation ? QString::number(first + k) : QStringLiteral("0"));

        auto& equals = SSTab1.place(lblGleich.add(equalsIndex++), tab, equalsLabelRect(k));
        equals.setCaption(QStringLiteral("="));
        equals.setToolTip(kCountToolTip);

        designCountBox(SSTab1.place(txt.add(first + k), tab, countBoxRect(k)), kCountToolTip);
    }
    const FamilyRow& row = familyRow(controls.family);
    auto& label = SSTab1.place(controls.label, tab, familyLabelRect(controls.family));
    label.setCaption(text(row.caption));
    // The caption ends at its total box; where the installed font draws it wider, it grows to the left.
    label.setAlignment(platform::Alignment::Right);
    widenToFitCaption(label);
    designCountBox(SSTab1.place(controls.total, tab, familyTotalRect(controls.family)), text(row.totalToolTip));
}

void frmVOz::designFoot() {
    const platform::Font large{QStringLiteral("MS Sans Serif"), 18};
    place(lblInsgesamteAnzahl, {120, 4200, 3255, 495});
    lblInsgesamteAnzahl.setCaption(QStringLiteral("Insgesamte Anzahl:"));
    lblInsgesamteAnzahl.setFont(large);
    place(txtIA, {3360, 4200, 735, 465});
    txtIA.setFont(large);
    designCountBox(txtIA, QStringLiteral("Hier erfahren sie die Anzahl der insgesamt verwendeten Objekte."));
}

void frmVOz::Form_Load() {
    platform::setWaitCursor();
    // In code order, 101 first; a picture that cannot be read leaves its button empty and the count goes on.
    for (int code : allTileCodes()) {
        const Family family = familyOf(code);
        objects(family)(code - familyFirstCode(family))
            .setPicture(platform::loadPicture(tileBitmap(code, CurveSpelling::Palette)));
    }
    AnimFrame.fill(1);
    CountUsedObjects();
    platform::setDefaultCursor();
}

void frmVOz::Timer_Timer() {
    AnimateIcon(*this, IconStep);
    AnimateTiles(cmdAnimation, AnimFrame);
}

}  // namespace pendix::editor
