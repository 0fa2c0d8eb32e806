// The editor window as it opens: its controls, palettes, menus and first state,
// and the animation of its palette.
#include "editor/rules/palette_layout.h"
#include "editor_fixture.h"
#include "shared/tile_catalogue.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace editor_test {
namespace {

using pendix::Family;
using platform::Rect;

TEST_F(EditorTest, WindowAndTabsStandAsDesigned) {
    EXPECT_EQ(editor.caption(), "Editor zu Pendix");
    EXPECT_EQ(editor.clientWidth(), 15270);
    EXPECT_EQ(editor.clientHeight(), 10860);
    EXPECT_EQ(editor.cmd(0).rect(), (Rect{120, 1080, 615, 615}));
    EXPECT_EQ(editor.pic(399).rect(), (Rect{14640, 10200, 375, 375}));
    // After "Neu" the start overlay is shown without a car: it must not hide the tile beneath.
    for (int i = 0; i < 400; ++i) EXPECT_TRUE(editor.pic(i).seeThroughBack()) << i;
    EXPECT_EQ(editor.SSTab.rect(), (Rect{120, 0, 15015, 1095}));
    const char* const captions[] = {"Name",   "Start / Ende", "Straßen", "Gesp. Straßen", "Bäume",      "Blumen",
                                    "Häuser", "Sport",        "Tiere",   "Animationen",   "Transporter"};
    ASSERT_EQ(editor.SSTab.tabCount(), 11);
    for (int tab = 0; tab < 11; ++tab) EXPECT_EQ(editor.SSTab.tabCaption(tab), QString::fromUtf8(captions[tab]));
    EXPECT_EQ(editor.SSTab.tab(), 0);

    EXPECT_EQ(editor.lblLevelName.rect(), (Rect{120, 480, 14775, 375}));
    EXPECT_EQ(editor.lblLevelName.caption(), "Level: Blanko");
    EXPECT_EQ(editor.lblLevelName.font(), (platform::Font{"Arial", 15.75}));
    EXPECT_EQ(editor.lblLevelName.toolTip(), "Doppelklicken sie auf den Level - Namen, um ihn zu ändern.");
    EXPECT_EQ(editor.cmdStartPosition.rect(), (Rect{240, 480, 1335, 375}));
    EXPECT_EQ(editor.cmdStartPosition.caption(), "Start - Position:");
    EXPECT_EQ(editor.lblSP.rect(), (Rect{1680, 540, 375, 255}));
    EXPECT_EQ(editor.lblSP.caption(), "0");
    EXPECT_EQ(editor.lblSP.toolTip(), "Hier wird die Feldnummer der aktuellen Start - Position angezeigt.");
    EXPECT_EQ(editor.cmdVerwendeteObjektezählen.rect(), (Rect{6360, 480, 2295, 375}));
    EXPECT_EQ(editor.cmdVerwendeteObjektezählen.toolTip(), "");
    EXPECT_EQ(editor.cmdEndPosition.rect(), (Rect{12960, 480, 1335, 375}));
    EXPECT_EQ(editor.cmdEndPosition.toolTip(), "Klicken sie hier, um die End - Position festzulegen.");
    EXPECT_EQ(editor.lblEP.rect(), (Rect{14400, 540, 375, 255}));
    EXPECT_EQ(editor.lbllvlneu.rect(), (Rect{120, 10680, 15015, 255}));
    EXPECT_TRUE(editor.lbllvlneu.caption().startsWith(
        "Wenn sie ein neues Level entworfen haben, hängen sie die lvl - Datei im Verzeichnis \\lvlneu an ein "
        "E-Mail an: "));
    EXPECT_EQ(editor.Timer.interval(), 100);
    EXPECT_TRUE(editor.Timer.enabled());
}

TEST_F(EditorTest, PalettesStandCentredInOneRowWithTheirFirstPictures) {
    const struct {
        Family family;
        int buttons;
        int firstLeft;
    } rows[] = {
        {Family::Street, 11, 3600}, {Family::Blocked, 18, 1080}, {Family::Tree, 14, 2520},
        {Family::Flower, 9, 4320},  {Family::House, 10, 3960},   {Family::Sport, 21, 0},
        {Family::Animal, 21, 0},    {Family::Animation, 21, 0},  {Family::Transporter, 18, 1080},
    };
    for (const auto& row : rows) {
        auto& palette = editor.palette(row.family);
        ASSERT_EQ(palette.count(), row.buttons);
        for (int k = 0; k < row.buttons; ++k) {
            const int code = pendix::familyFirstCode(row.family) + k;
            EXPECT_EQ(palette(k).rect(), (Rect{row.firstLeft + 720 * k, 360, 615, 615})) << code;
            EXPECT_EQ(palette(k).toolTip(), "Wählen sie das Objekt, welches sie auf der Karte platzieren möchten.");
            EXPECT_EQ(palette(k).backColor(), QColor(0, 128, 0));
            EXPECT_TRUE(palette(k).visible());
            EXPECT_EQ(palette(k).tag(), row.family == Family::Animation ? QString::number(code) : "0");
            EXPECT_EQ(palette(k).picture().sourcePath().toStdString(),
                      pendix::tileBitmap(code, pendix::CurveSpelling::Palette));
            EXPECT_FALSE(palette(k).picture().isEmpty()) << code;
        }
    }
    // The palette writes the transporter curves with a small k; the same files as the board's.
    EXPECT_EQ(editor.cmdTransporter(3).picture().sourcePath(), "\\bmp\\StratkRU.bmp");
    EXPECT_EQ(editor.cmdTransporter(5).picture().sourcePath(), "\\bmp\\StratkLU.bmp");

    const struct {
        platform::Image& arrow;
        int left;
        bool visible;
        const char* picture;
        const char* toolTip;
    } arrows[] = {
        {editor.imgGespStraßen1, 120, false, "\\bmp\\Pfeilr.bmp", "Klicken sie hier, um zurück zu blättern."},
        {editor.imgGespStraßen2, 14520, true, "\\bmp\\Pfeirl.bmp", "Klicken sie hier, um weiter zu blättern."},
        {editor.imgTransporter1, 120, false, "\\bmp\\Pfeilr.bmp", "Klicken sie hier, um zurück zu blättern."},
        {editor.imgTransporter2, 14520, true, "\\bmp\\Pfeirl.bmp", "Klicken sie hier, um weiter zu blättern."},
    };
    for (const auto& entry : arrows) {
        EXPECT_EQ(entry.arrow.rect(), (Rect{entry.left, 600, 375, 375}));
        EXPECT_EQ(entry.arrow.visible(), entry.visible);
        EXPECT_EQ(entry.arrow.picture().sourcePath(), entry.picture);
        EXPECT_FALSE(entry.arrow.picture().isEmpty());
        EXPECT_EQ(entry.arrow.toolTip(), QString::fromUtf8(entry.toolTip));
    }
}

TEST_F(EditorTest, OpensWithAnEmptyBoardAndNoToolOrMode) {
    for (int i = 0; i < 400; ++i) {
        EXPECT_EQ(editor.cmd(i).tag(), "0");
        EXPECT_TRUE(editor.cmd(i).picture().isEmpty());
        EXPECT_FALSE(editor.pic(i).visible());
        EXPECT_EQ(editor.pic(i).tag(), "0");
    }
    EXPECT_EQ(editor.SelectedCode, 0);
    EXPECT_EQ(editor.StartPos, 0);
    EXPECT_EQ(editor.StartDir, 0);
    EXPECT_EQ(editor.EndPos, 0);
    EXPECT_EQ(editor.LevelName, "Blanko");
    EXPECT_EQ(editor.LevelFileName, "");
    EXPECT_EQ(editor.tag(), "");
    EXPECT_TRUE(checkedObjectItems().empty());
    EXPECT_FALSE(editor.mnuStartpositionfestlegen.checked());
    EXPECT_FALSE(editor.mnuEndpositionfestlegen.checked());
    for (std::int16_t frame : editor.AnimFrame) EXPECT_EQ(frame, 1);
    EXPECT_FALSE(fakes.cursor.waiting());
    EXPECT_TRUE(fakes.modal.shownModal.empty());
}

TEST_F(EditorTest, MenusHoldEveryObjectAndTheirShortcuts) {
    const struct {
        platform::MenuItem& item;
        const char* caption;
        const char* shortcut;
    } items[] = {
        {editor.mnuLevel, "Level", ""},
        {editor.mnuNeu, "Neu", "F1"},
        {editor.mnuSpeichern, "Speichern", "F2"},
        {editor.mnuSpeichernunter, "Speichern unter", "F3"},
        {editor.mnuÖffnen, "Öffnen", "F4"},
        {editor.mnuObjekte, "Objekte", ""},
        {editor.mnuNameändern, "Name ändern", ""},
        {editor.mnuVerwendeteObjektezählen, "Verwendete Objekte zählen", ""},
        {editor.mnuStartEnde, "Start / Ende", ""},
        {editor.mnuStartpositionfestlegen, "Startposition festlegen", ""},
        {editor.mnuEndpositionfestlegen, "Endposition festlegen", ""},
        {editor.mnuHilfe0, "Hilfe", ""},
        {editor.mnuHilfe1, "Hilfe", "Ctrl+H"},
        {editor.mnuHilfe2, "Objekte", "Ctrl+O"},
        {editor.mnuMenüsystem, "Menüsystem", "Ctrl+M"},
        {editor.mnuHilfe3, "Info", "Ctrl+I"},
        {editor.mnuDateiInfo, "Datei - Info", "Ctrl+D"},
        {editor.mnuEnde, "Ende!", ""},
    };
    for (const auto& entry : items) {
        EXPECT_EQ(entry.item.caption(), QString::fromUtf8(entry.caption));
        ASSERT_NE(entry.item.action(), nullptr) << entry.caption;
        EXPECT_EQ(entry.item.action()->shortcut(), QKeySequence(QString::fromUtf8(entry.shortcut))) << entry.caption;
    }
    EXPECT_EQ(editor.mnuEnde.menu(), nullptr);  // a command on the menu bar itself

    // "Objekte": its three items, then the nine family menus with all 173 codes in order.
    const QList<QAction*> objects = editor.mnuObjekte.menu()->actions();
    ASSERT_EQ(objects.size(), 12);
    EXPECT_EQ(objects[0]->text(), "Name ändern");
    EXPECT_EQ(objects[2]->text(), "Start / Ende");
    int total = 0;
    const char* const familyMenus[] = {"Straßen", "Gesperrte Straßen", "Bäume",      "Blumen", "Häuser", "Sport",
                                       "Tiere",   "Animationen",       "Transporter"};
    for (int f = 0; f < 9; ++f) {
        EXPECT_EQ(objects[3 + f]->text(), QString::fromUtf8(familyMenus[f]));
        const QList<QAction*> variants = objects[3 + f]->menu()->actions();
        total += static_cast<int>(variants.size());
    }
    EXPECT_EQ(total, 173);
    EXPECT_EQ(editor.mnuGesperrteStraße(32).caption(), "Gesperrte Straße 33");
    EXPECT_EQ(editor.mnuBaum(13).caption(), "Baum 14");
    EXPECT_EQ(editor.mnuTransporter(0).caption(), "Transporter 1");
}

TEST_F(EditorTest, ThePaletteAnimatesFromTheFirstTickWhateverTabIsInFront) {
    bringTab(pendix::editor::paletteTab(Family::Street));
    editor.Timer.fire();
    EXPECT_EQ(editor.cmdAnimation(0).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0102.bmp");
    EXPECT_EQ(editor.cmdAnimation(3).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0042.bmp");
    EXPECT_EQ(editor.cmdAnimation(20).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani2102.bmp");
    for (std::int16_t frame : editor.AnimFrame) EXPECT_EQ(frame, 2);
    EXPECT_EQ(editor.icon().sourcePath(), "\\ico\\auto01.ico");
    // Kind 4 has five frames: after five ticks it is back at its first.
    for (int tick = 0; tick < 4; ++tick) editor.Timer.fire();
    EXPECT_EQ(editor.cmdAnimation(3).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0041.bmp");
    // The board does not animate until a tile is placed.
    for (int i = 0; i < 400; ++i) EXPECT_EQ(editor.AnimCells[static_cast<std::size_t>(i)], 0);
}

}  // namespace
}  // namespace editor_test
