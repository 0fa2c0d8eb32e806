// The editor window's design, its load handler, the animation timer and the
// window's close box.
#include "editor/frm_haupt.h"

#include "editor/rules/palette_layout.h"
#include "platform/picture.h"
#include "platform/services/services.h"
#include "shared/animation/icon_animation.h"
#include "shared/animation/tile_animation.h"
#include "shared/board/board.h"
#include "shared/first_start/first_start_probe.h"

namespace pendix::editor {

namespace {

const QString kPaletteToolTip = QStringLiteral("Wählen sie das Objekt, welches sie auf der Karte platzieren möchten.");

QString text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace

frmHaupt::frmHaupt() {
    cmd.onClick = [this](int index) { cmd_Click(index); };
    cmd.onMouseUp = [this](int index, int button, int shift, double x, double y) {
        cmd_MouseUp(index, button, shift, x, y);
    };
    cmdStraße.onClick = [this](int index) { cmdStraße_Click(index); };
    cmdGespStraße.onClick = [this](int index) { cmdGespStraße_Click(index); };
    cmdBaum.onClick = [this](int index) { cmdBaum_Click(index); };
    cmdBlume.onClick = [this](int index) { cmdBlume_Click(index); };
    cmdHaus.onClick = [this](int index) { cmdHaus_Click(index); };
    cmdSport.onClick = [this](int index) { cmdSport_Click(index); };
    cmdTier.onClick = [this](int index) { cmdTier_Click(index); };
    cmdAnimation.onClick = [this](int index) { cmdAnimation_Click(index); };
    cmdTransporter.onClick = [this](int index) { cmdTransporter_Click(index); };
    cmdStartPosition.onClick = [this] { cmdStartPosition_Click(); };
    cmdEndPosition.onClick = [this] { cmdEndPosition_Click(); };
    cmdVerwendeteObjektezählen.onClick = [this] { cmdVerwendeteObjektezählen_Click(); };
    imgGespStraßen1.onClick = [this] { imgGespStraßen1_Click(); };
    imgGespStraßen2.onClick = [this] { imgGespStraßen2_Click(); };
    imgTransporter1.onClick = [this] { imgTransporter1_Click(); };
    imgTransporter2.onClick = [this] { imgTransporter2_Click(); };
    lblLevelName.onDblClick = [this] { lblLevelName_DblClick(); };
    Timer.onTimer = [this] { Timer_Timer(); };

    mnuNeu.onClick = [this] { mnuNeu_Click(); };
    mnuSpeichern.onClick = [this] { mnuSpeichern_Click(); };
    mnuSpeichernunter.onClick = [this] { mnuSpeichernunter_Click(); };
    mnuÖffnen.onClick = [this] { mnuÖffnen_Click(); };
    mnuNameändern.onClick = [this] { mnuNameändern_Click(); };
    mnuVerwendeteObjektezählen.onClick = [this] { mnuVerwendeteObjektezählen_Click(); };
    mnuStartpositionfestlegen.onClick = [this] { mnuStartpositionfestlegen_Click(); };
    mnuEndpositionfestlegen.onClick = [this] { mnuEndpositionfestlegen_Click(); };
    mnuStraße.onClick = [this](int index) { mnuStraße_Click(index); };
    mnuGesperrteStraße.onClick = [this](int index) { mnuGesperrteStraße_Click(index); };
    mnuBaum.onClick = [this](int index) { mnuBaum_Click(index); };
    mnuBlume.onClick = [this](int index) { mnuBlume_Click(index); };
    mnuHaus.onClick = [this](int index) { mnuHaus_Click(index); };
    mnuSport.onClick = [this](int index) { mnuSport_Click(index); };
    mnuTier.onClick = [this](int index) { mnuTier_Click(index); };
    mnuAnimation.onClick = [this](int index) { mnuAnimation_Click(index); };
    mnuTransporter.onClick = [this](int index) { mnuTransporter_Click(index); };
    mnuHilfe1.onClick = [this] { mnuHilfe1_Click(); };
    mnuHilfe2.onClick = [this] { mnuHilfe2_Click(); };
    mnuMenüsystem.onClick = [this] { mnuMenüsystem_Click(); };
    mnuHilfe3.onClick = [this] { mnuHilfe3_Click(); };
    mnuDateiInfo.onClick = [this] { mnuDateiInfo_Click(); };
    mnuEnde.onClick = [this] { mnuEnde_Click(); };
}

std::array<frmHaupt::ToolFamily, 9> frmHaupt::toolFamilies() {
    return {{
        {Family::Street, cmdStraße, mnuStraßen, mnuStraße},
        {Family::Blocked, cmdGespStraße, mnuGesperrteStraßen, mnuGesperrteStraße},
        {Family::Tree, cmdBaum, mnuBäumen, mnuBaum},
        {Family::Flower, cmdBlume, mnuBlumen, mnuBlume},
        {Family::House, cmdHaus, mnuHäuser, mnuHaus},
        {Family::Sport, cmdSport, mnuSport0, mnuSport},
        {Family::Animal, cmdTier, mnuTiere, mnuTier},
        {Family::Animation, cmdAnimation, mnuAnimationen, mnuAnimation},
        {Family::Transporter, cmdTransporter, mnuTransporter0, mnuTransporter},
    }};
}

frmHaupt::ToolFamily frmHaupt::toolFamily(pendix::Family family) {
    for (const ToolFamily& tools : toolFamilies())
        if (tools.family == family) return tools;
    return toolFamilies()[0];
}

platform::ControlArray<platform::GraphicalButton>& frmHaupt::palette(pendix::Family family) {
    return toolFamily(family).buttons;
}

platform::ControlArray<platform::MenuItem>& frmHaupt::objectItems(pendix::Family family) {
    return toolFamily(family).items;
}

void frmHaupt::design() {
    setCaption(QStringLiteral("Editor zu Pendix"));
    setClientSize(15270, 10860);
    setFixedBorder(true);

    const PlaceOnForm placeOnForm = [this](platform::Control& control, const platform::Rect& rect) {
        place(control, rect);
    };
    designBoard(boardRows, cmd, pic, placeOnForm);
    designTabs();
    designPalettes();
    designHintLine(lbllvlneu, placeOnForm);

    place(Timer);
    Timer.setInterval(100);
    Timer.setEnabled(true);
    place(CommonDialog);

    designMenus();
}

void frmHaupt::designTabs() {
    place(SSTab, {120, 0, 15015, 1095});
    SSTab.setTabCount(kTabCount);
    for (int tab = 0; tab < kTabCount; ++tab) SSTab.setTabCaption(tab, text(tabCaption(tab)));
    SSTab.setTab(kNameTab);

    SSTab.place(lblLevelName, kNameTab, {120, 480, 14775, 375});
    lblLevelName.setCaption(QStringLiteral("Level: Blanko"));
    lblLevelName.setFont({QStringLiteral("Arial"), 15.75});
    lblLevelName.setToolTip(QStringLiteral("Doppelklicken sie auf den Level - Namen, um ihn zu ändern."));

    SSTab.place(cmdStartPosition, kStartEndTab, {240, 480, 1335, 375});
    cmdStartPosition.setCaption(QStringLiteral("Start - Position:"));
    cmdStartPosition.setToolTip(QStringLiteral("Klicken sie hier, um die Start - Position festzulegen."));
    SSTab.place(lblSP, kStartEndTab, {1680, 540, 375, 255});
    lblSP.setCaption(QStringLiteral("0"));
    lblSP.setToolTip(QStringLiteral("Hier wird die Feldnummer der aktuellen Start - Position angezeigt."));
    SSTab.place(cmdVerwendeteObjektezählen, kStartEndTab, {6360, 480, 2295, 375});
    cmdVerwendeteObjektezählen.setCaption(QStringLiteral("Verwendete Objekte zählen"));
    SSTab.place(cmdEndPosition, kStartEndTab, {12960, 480, 1335, 375});
    cmdEndPosition.setCaption(QStringLiteral("End - Position:"));
    cmdEndPosition.setToolTip(QStringLiteral("Klicken sie hier, um die End - Position festzulegen."));
    SSTab.place(lblEP, kStartEndTab, {14400, 540, 375, 255});
    lblEP.setCaption(QStringLiteral("0"));
    lblEP.setToolTip(QStringLiteral("Hier wird die Feldnummer der aktuellen End - Position angezeigt."));
}

void frmHaupt::designPalettes() {
    for (const ToolFamily& tools : toolFamilies()) {
        const int tab = paletteTab(tools.family);
        const int count = paletteButtonCount(tools.family);
        for (int k = 0; k < count; ++k) {
            auto& button = SSTab.place(tools.buttons.add(k), tab,
                                       {paletteButtonLeft(count, k), kPaletteTop, kPaletteButtonSize,
                                        kPaletteButtonSize});
            button.setBackColor(kBoardGreen);
            button.setToolTip(kPaletteToolTip);
            // The animation reads the animation palette's tags; every other tool keeps "0".
            button.setTag(tools.family == Family::Animation
                              ? QString::number(paletteCode(Family::Animation, 1, k))
                              : QStringLiteral("0"));
        }
    }
    const struct {
        platform::Image& arrow;
        Family family;
        int left;
        bool visible;
        const char* toolTip;
    } arrows[] = {
        {imgGespStraßen1, Family::Blocked, 120, false, "Klicken sie hier, um zurück zu blättern."},
        {imgGespStraßen2, Family::Blocked, 14520, true, "Klicken sie hier, um weiter zu blättern."},
        {imgTransporter1, Family::Transporter, 120, false, "Klicken sie hier, um zurück zu blättern."},
        {imgTransporter2, Family::Transporter, 14520, true, "Klicken sie hier, um weiter zu blättern."},
    };
    for (const auto& entry : arrows) {
        SSTab.place(entry.arrow, paletteTab(entry.family), {entry.left, 600, 375, 375});
        entry.arrow.setVisible(entry.visible);
        entry.arrow.setToolTip(QString::fromUtf8(entry.toolTip));
    }
}

void frmHaupt::designMenus() {
    addMenu(mnuLevel).setCaption(QStringLiteral("Level"));
    const struct {
        platform::MenuItem& item;
        const char* caption;
        const char* shortcut;
    } levelItems[] = {
        {mnuNeu, "Neu", "F1"},
        {mnuSpeichern, "Speichern", "F2"},
        {mnuSpeichernunter, "Speichern unter", "F3"},
        {mnuÖffnen, "Öffnen", "F4"},
    };
    for (const auto& entry : levelItems) {
        mnuLevel.addItem(entry.item).setCaption(QString::fromUtf8(entry.caption));
        entry.item.setShortcut(QString::fromUtf8(entry.shortcut));
    }

    addMenu(mnuObjekte).setCaption(QStringLiteral("Objekte"));
    mnuObjekte.addItem(mnuNameändern).setCaption(QStringLiteral("Name ändern"));
    mnuObjekte.addItem(mnuVerwendeteObjektezählen).setCaption(QStringLiteral("Verwendete Objekte zählen"));
    mnuObjekte.addItem(mnuStartEnde).setCaption(QStringLiteral("Start / Ende"));
    mnuStartEnde.addItem(mnuStartpositionfestlegen).setCaption(QStringLiteral("Startposition festlegen"));
    mnuStartEnde.addItem(mnuEndpositionfestlegen).setCaption(QStringLiteral("Endposition festlegen"));
    for (const ToolFamily& tools : toolFamilies()) {
        mnuObjekte.addItem(tools.menu).setCaption(text(familyCaption(tools.family)));
        const int first = familyFirstCode(tools.family);
        for (int k = 0; k < familyVariantCount(tools.family); ++k)
            tools.menu.addItem(tools.items.add(k)).setCaption(text(itemCaption(first + k)));
    }

    addMenu(mnuHilfe0).setCaption(QStringLiteral("Hilfe"));
    const struct {
        platform::MenuItem& item;
        const char* caption;
        const char* shortcut;
    } helpItems[] = {
        {mnuHilfe1, "Hilfe", "Ctrl+H"},        {mnuHilfe2, "Objekte", "Ctrl+O"},
        {mnuMenüsystem, "Menüsystem", "Ctrl+M"}, {mnuHilfe3, "Info", "Ctrl+I"},
        {mnuDateiInfo, "Datei - Info", "Ctrl+D"},
    };
    for (const auto& entry : helpItems) {
        mnuHilfe0.addItem(entry.item).setCaption(QString::fromUtf8(entry.caption));
        entry.item.setShortcut(QString::fromUtf8(entry.shortcut));
    }

    addMenu(mnuEnde).setCaption(QStringLiteral("Ende!"));
}

void frmHaupt::Form_Load() {
    if (!passesFirstStartProbe(*this, &Timer)) return;
    platform::setWaitCursor();
    if (!fillPalettes()) {
        // A palette picture or an arrow missing: the program folder is not complete either.
        showFirstStartBox(*this, &Timer);
        platform::setDefaultCursor();
        return;
    }
    AnimFrame.fill(1);
    LevelName = QStringLiteral("Blanko");
    platform::setDefaultCursor();
}

bool frmHaupt::fillPalettes() {
    for (const ToolFamily& tools : toolFamilies()) {
        for (int k = 0; k < paletteButtonCount(tools.family); ++k) {
            auto picture = platform::tryLoadPicture(tileBitmap(paletteCode(tools.family, 1, k), CurveSpelling::Palette));
            if (!picture) return false;
            tools.buttons(k).setPicture(*picture);
        }
    }
    const struct {
        platform::Image& arrow;
        std::string_view bitmap;
    } arrows[] = {
        {imgGespStraßen1, kPageBackBitmap},
        {imgGespStraßen2, kPageForwardBitmap},
        {imgTransporter1, kPageBackBitmap},
        {imgTransporter2, kPageForwardBitmap},
    };
    for (const auto& entry : arrows) {
        auto picture = platform::tryLoadPicture(entry.bitmap);
        if (!picture) return false;
        entry.arrow.setPicture(*picture);
    }
    return true;
}

void frmHaupt::Timer_Timer() {
    AnimateIcon();
    AnimateTiles();
}

void frmHaupt::AnimateIcon() { pendix::AnimateIcon(*this, IconStep); }

void frmHaupt::AnimateTiles() {
    pendix::AnimateTiles(cmd, AnimCells);
    pendix::AnimateTiles(cmdAnimation, AnimFrame);
}

void frmHaupt::Form_Unload(int&) {
    // Only a window the user has seen is closed by the user; the first-start path unloads one never shown.
    if (isVisible()) platform::endProgram();
}

}  // namespace pendix::editor
