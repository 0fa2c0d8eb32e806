// The editor with one data file or folder of its program folder broken at a
// time, through a whole session: it starts, makes a new level, composes one by
// clicks (tiles from both pages of the paged palettes, a transporter link, two
// animations, the start and the end), lets the animation run, saves the level
// under a name of its own and opens it again, shows its three help pages, the
// file list and the count window. In every case nothing crashes, the board and
// the saved file hold every tile placed, a picture is missing exactly where its
// file is broken, and the user is told where he must know: a template that cannot
// be read, a save that cannot be written, a help page or a file list that is not
// there. Each case copies the program folder that the installer's own code filled
// once; the help viewer is the real one, so a broken help file is really read.
#include "editor/frm_haupt.h"
#include "editor/frm_voz.h"
#include "editor/rules/palette_layout.h"
#include "editor/start.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "shared/tile_catalogue.h"
#include "tests/support/damaged_file.h"
#include "tests/support/dialog_hands.h"
#include "tests/support/installed_folder.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/real_viewers.h"
#include "tests/support/user_input.h"

#include <QFile>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

namespace {

using pendix::editor::frmHaupt;
using test_support::Damage;
using test_support::DamagedFile;

struct Case {
    DamagedFile damaged;
    const char* neuProblem;   // how the message of "Neu" ends; nullptr when the template loads
    const char* saveProblem;  // how the message of the save ends; nullptr when the level is saved
};

void PrintTo(const Case& c, std::ostream* out) { test_support::PrintTo(c.damaged, out); }

using test_support::breaks;

// The frame an animation counter shows after `ticks` ticks from frame 1: a frame
// whose file is broken is never shown, and the counter waits before it.
int frameAfter(int kind, int ticks, const DamagedFile& damaged) {
    int frame = 1;
    for (int tick = 0; tick < ticks; ++tick) {
        const int next = frame == pendix::animationFrameCount(kind) ? 1 : frame + 1;
        if (!breaks(damaged, pendix::animationFrameBitmap(kind, next))) frame = next;
    }
    return frame;
}

// What the session composes: the cell's tag as the board and the saved file hold it.
const std::map<int, QString> kComposed = {
    {50, "102"}, {51, "102"}, {52, "102"}, {53, "102"}, {54, "102"}, {55, "102"},
    {100, "233"},       // "Gesperrte Straße 33", on the palette's second page
    {120, "9330521"},   // "Transporter 33" from the second page, its target 52 leaving upwards
    {200, "801"}, {201, "802"},
};
constexpr int kStart = 50, kEnd = 55, kTicks = 30;

class EditorDamagedDataTest : public ::testing::TestWithParam<Case> {
protected:
    EditorDamagedDataTest() { test_support::InstalledFolder::copyInto(copy_); }
    ~EditorDamagedDataTest() override { platform::dropInstances(); }

    frmHaupt& editor() { return platform::instance<frmHaupt>(); }

    void bringTab(int tab) {
        test_support::clickTab(editor().SSTab, tab);
        ASSERT_EQ(editor().SSTab.tab(), tab);
    }
    void click(const platform::Control& control) { test_support::leftClick(control); }
    void clickCell(int cell) { test_support::clickWhereShown(editor().cmd(cell), Qt::LeftButton); }

    void compose();
    void expectComposed();
    // Every picture on the board and the palettes is empty exactly where its file is broken.
    void expectPicturesBrokenOnlyWhereTheirFileIs();
    void expectOneMessage(const QString& title, const char* ending);
    void expectHelpShown(platform::MenuItem& item, std::string_view file);

    test_support::ServicesWithRealViewers fakes;

private:
    test_support::ProgramFolder copy_{test_support::ProgramFolder::Contents::Nothing};
};

void EditorDamagedDataTest::compose() {
    frmHaupt& e = editor();
    bringTab(pendix::editor::paletteTab(pendix::Family::Street));
    click(e.cmdStraße(1));
    for (int cell = 50; cell <= 55; ++cell) clickCell(cell);

    // The second pages: their buttons' bitmaps are read at the switch, the placed tile's at the click.
    bringTab(pendix::editor::paletteTab(pendix::Family::Blocked));
    click(e.imgGespStraßen2);
    ASSERT_TRUE(e.imgGespStraßen1.visible());
    click(e.cmdGespStraße(14));
    clickCell(100);
    bringTab(pendix::editor::paletteTab(pendix::Family::Transporter));
    click(e.imgTransporter2);
    click(e.cmdTransporter(14));
    clickCell(120);
    clickCell(52);  // its target

    bringTab(pendix::editor::paletteTab(pendix::Family::Animation));
    click(e.cmdAnimation(0));
    clickCell(200);
    click(e.cmdAnimation(1));
    clickCell(201);

    bringTab(pendix::editor::kStartEndTab);
    click(e.cmdStartPosition);
    clickCell(kStart);
    click(e.cmdEndPosition);
    clickCell(kEnd);
}

void EditorDamagedDataTest::expectComposed() {
    frmHaupt& e = editor();
    for (int cell = 0; cell < pendix::kCellCount; ++cell) {
        const auto composed = kComposed.find(cell);
        EXPECT_EQ(e.cmd(cell).tag(), composed == kComposed.end() ? QStringLiteral("0") : composed->second)
            << "cell " << cell;
    }
    EXPECT_EQ(e.StartPos, kStart);
    EXPECT_EQ(e.StartDir, 1);
    EXPECT_EQ(e.EndPos, kEnd);
    EXPECT_EQ(e.pic(52).tag(), "1201");  // the link's Target mark
    EXPECT_TRUE(e.pic(52).visible());
    EXPECT_TRUE(e.pic(kStart).visible());
}

void EditorDamagedDataTest::expectPicturesBrokenOnlyWhereTheirFileIs() {
    frmHaupt& e = editor();
    // A bitmap cut short may still show its first rows.
    if (GetParam().damaged.damage == Damage::CutShort) return;
    const auto check = [this](const platform::Picture& picture, const std::string& where) {
        if (picture.sourcePath().isEmpty()) return;
        EXPECT_EQ(picture.isEmpty(), breaks(GetParam().damaged, picture.sourcePath().toStdString()))
            << where << " shows " << picture.sourcePath().toStdString();
    };
    for (int cell = 0; cell < pendix::kCellCount; ++cell) {
        check(e.cmd(cell).picture(), "cmd(" + std::to_string(cell) + ")");
        check(e.pic(cell).picture(), "pic(" + std::to_string(cell) + ")");
    }
    for (pendix::Family family : pendix::allFamilies())
        for (int k : e.palette(family).indices()) check(e.palette(family)(k).picture(), "a palette button");
}

void EditorDamagedDataTest::expectOneMessage(const QString& title, const char* ending) {
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].title, title);
    EXPECT_EQ(fakes.messages.shown[0].style, 48);
    EXPECT_TRUE(fakes.messages.shown[0].text.endsWith(QString::fromUtf8(ending)))
        << fakes.messages.shown[0].text.toStdString();
    fakes.messages.shown.clear();
}

void EditorDamagedDataTest::expectHelpShown(platform::MenuItem& item, std::string_view file) {
    item.click();
    EXPECT_FALSE(fakes.cursor.waiting());
    test_support::expectShownHelp(GetParam().damaged, file);
}

TEST_P(EditorDamagedDataTest, ASessionGoesOnAndLosesNothing) {
    const Case& c = GetParam();
    ASSERT_TRUE(test_support::damage(c.damaged.file, c.damaged.damage))
        << "the installer writes no " << c.damaged.file;
    QByteArray standIn;  // what stands where "\lvlneu\" should be, when a file does
    if (QFile file(platform::resolveDataPath("\\lvlneu")); file.open(QIODevice::ReadOnly)) standIn = file.readAll();

    pendix::editor::Main();
    frmHaupt& e = editor();
    ASSERT_TRUE(e.isVisible() && e.Timer.enabled()) << "the first-start box took over";
    EXPECT_TRUE(fakes.modal.shownModal.empty());

    // "Neu": a template that cannot be read is told, and the editor goes on with the cleared board.
    e.mnuNeu.click();
    if (c.neuProblem)
        expectOneMessage(QStringLiteral("Level nicht lesbar"), c.neuProblem);
    else
        EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(e.LevelFileName, "blanko.lvl");
    EXPECT_FALSE(fakes.cursor.waiting());

    compose();
    EXPECT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.at(0).text.toStdString();
    expectComposed();

    for (int tick = 0; tick < kTicks; ++tick) ASSERT_TRUE(e.Timer.fire());
    EXPECT_EQ(e.IconStep, 15);
    EXPECT_EQ(e.AnimCells[200], frameAfter(1, kTicks, c.damaged));
    EXPECT_EQ(e.AnimCells[201], frameAfter(2, kTicks, c.damaged));
    EXPECT_EQ(e.AnimFrame[0], frameAfter(1, kTicks, c.damaged));
    EXPECT_EQ(e.AnimFrame[20], frameAfter(21, kTicks, c.damaged));
    expectPicturesBrokenOnlyWhereTheirFileIs();

    // Saved under a name of its own: written whole, or told, and then nothing is lost.
    fakes.inputs.answers = {QStringLiteral("Mein Tag"), QStringLiteral("tag")};
    e.mnuNameändern.click();
    e.mnuSpeichernunter.click();
    EXPECT_EQ(e.LevelFileName, "tag.lvl");
    EXPECT_FALSE(fakes.cursor.waiting());
    if (c.saveProblem) {
        expectOneMessage(QStringLiteral("Speichern fehlgeschlagen"), c.saveProblem);
        expectComposed();
        QFile file(platform::resolveDataPath("\\lvlneu"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), standIn) << "what stood there stays";
    } else {
        EXPECT_TRUE(fakes.messages.shown.empty());
        // Opened again: the same board.
        test_support::pickInChooser(fakes.modal, platform::resolveDataPath("\\lvlneu"), QStringLiteral("tag.lvl"));
        e.mnuÖffnen.click();
        EXPECT_TRUE(fakes.messages.shown.empty());
        EXPECT_EQ(e.LevelName, "Mein Tag");
        expectComposed();
    }

    expectHelpShown(e.mnuHilfe1, "\\hilfe\\editor.hlp");
    expectHelpShown(e.mnuHilfe2, "\\hilfe\\objekte.hlp");
    expectHelpShown(e.mnuMenüsystem, "\\hilfe\\menueser.hlp");

    // The file list: a list that is not there is told.
    e.mnuDateiInfo.click();
    const bool listGone = breaks(c.damaged, "\\dateien.lst") &&
                          (c.damaged.damage == Damage::Missing || c.damaged.damage == Damage::FolderInstead);
    if (listGone)
        EXPECT_EQ(fakes.messages.shown.size(), 1u);
    else
        EXPECT_TRUE(fakes.messages.shown.empty());
    fakes.messages.shown.clear();
    test_support::browseFileList();

    // The count window counts every tile placed and animates what it can.
    click(e.cmdVerwendeteObjektezählen);
    auto& count = platform::instance<pendix::editor::frmVOz>();
    ASSERT_TRUE(count.isLoaded());
    EXPECT_EQ(count.txtIA.text(), QString::number(kComposed.size()));
    for (int tick = 0; tick < kTicks; ++tick) count.Timer.fire();
    EXPECT_EQ(count.IconStep, 15);
    EXPECT_EQ(count.AnimFrame[1], frameAfter(2, kTicks, c.damaged));
    count.unload();

    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fakes.ender.ends, 0);
    EXPECT_FALSE(fakes.cursor.waiting());
}

const Case kCases[] = {
    // Pictures read after the start: at a page switch, a placement, a mark, a tick.
    {{"\\bmp\\Stgabrlu.bmp", Damage::Missing}, nullptr, nullptr},
    {{"\\bmp\\Sgtabrlu.bmp", Damage::Garbage}, nullptr, nullptr},
    {{"\\bmp\\StraeRL.bmp", Damage::Missing}, nullptr, nullptr},
    {{"\\bmp\\AutoOU.bmp", Damage::Garbage}, nullptr, nullptr},
    {{"\\bmp\\PfeiOU.bmp", Damage::CutShort}, nullptr, nullptr},
    {{"\\bmp\\deko\\ani\\Ani0102.bmp", Damage::Missing}, nullptr, nullptr},
    {{"\\bmp\\deko\\ani\\Ani0205.bmp", Damage::Garbage}, nullptr, nullptr},
    {{"\\bmp\\deko\\ani\\Ani2110.bmp", Damage::Empty}, nullptr, nullptr},
    {{"\\bmp\\deko\\ani\\Ani0224.bmp", Damage::FolderInstead}, nullptr, nullptr},
    {{"\\ico\\auto01.ico", Damage::Missing}, nullptr, nullptr},
    {{"\\ico\\auto02.ico", Damage::Garbage}, nullptr, nullptr},
    {{"\\ico\\auto03.ico", Damage::CutShort}, nullptr, nullptr},
    // The template of "Neu".
    {{"\\lvlneu\\blanko.lvl", Damage::Missing}, "\r\rDie Datei gibt es nicht.", nullptr},
    {{"\\lvlneu\\blanko.lvl", Damage::Empty}, "\r\rDie Datei hat nur 0 von 404 Zeilen.", nullptr},
    {{"\\lvlneu\\blanko.lvl", Damage::CutShort}, " von 404 Zeilen.", nullptr},
    {{"\\lvlneu\\blanko.lvl", Damage::Garbage}, "\r\rDie Datei hat nur 21 von 404 Zeilen.", nullptr},
    {{"\\lvlneu\\blanko.lvl", Damage::FolderInstead}, "\r\rDas ist ein Verzeichnis, keine Level-Datei.", nullptr},
    // The level folder: made again where it is missing; where a file stands in its place, nothing is written.
    {{"\\lvlneu", Damage::Missing}, "\r\rDie Datei gibt es nicht.", nullptr},
    {{"\\lvlneu", Damage::FileInstead},
     "\r\rDie Datei gibt es nicht.",
     "\r\rWo das Verzeichnis \\lvlneu stehen sollte, steht eine Datei gleichen Namens."},
    // Help and the file list.
    {{"\\hilfe\\editor.hlp", Damage::Missing}, nullptr, nullptr},
    {{"\\hilfe\\objekte.hlp", Damage::Garbage}, nullptr, nullptr},
    {{"\\hilfe\\menueser.hlp", Damage::Empty}, nullptr, nullptr},
    {{"\\hilfe\\editor.hlp", Damage::FolderInstead}, nullptr, nullptr},
    {{"\\hilfe", Damage::Missing}, nullptr, nullptr},
    {{"\\dateien.lst", Damage::Missing}, nullptr, nullptr},
    {{"\\dateien.lst", Damage::Garbage}, nullptr, nullptr},
    {{"\\dateien.lst", Damage::CutShort}, nullptr, nullptr},
    {{"\\dateien.lst", Damage::FolderInstead}, nullptr, nullptr},
};

INSTANTIATE_TEST_SUITE_P(OneThingAtATime, EditorDamagedDataTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return test_support::caseName(info.param.damaged); });

}  // namespace
