// Left clicks that place the chosen tile, right clicks that erase a cell, and
// the overlays that let both through to the cell beneath.
#include "board_fixture.h"
#include "editor/rules/palette_layout.h"
#include "tests/support/program_folder.h"

#include <QWidget>

namespace editor_test {
namespace {

using pendix::Family;
using Call = test_support::RecordingScreenCursor::Call;

TEST_F(BoardTest, WithoutAToolALeftClickChangesNothingInAnyModeOrOnATarget) {
    // A link on 54, then a transporter on 70 waiting for its target; the right click ends that choice
    // and leaves no tool.
    composeMarkedRow();
    chooseMenuTool(905);
    clickCell(70);
    rightClickCell(71);
    ASSERT_EQ(editor.SelectedCode, 0);
    const BoardState before = state();
    for (int cell : {51, 52, 54, 56, 60, 70, 0, 399}) {
        SCOPED_TRACE(cell);
        fakes.cursor.calls.clear();
        clickCell(cell);
        EXPECT_EQ(fakes.cursor.calls, (std::vector<Call>{Call::Wait, Call::Default}));
    }
    startMode();
    clickCells({53, 54});
    endMode();
    clickCells({57, 54});
    BoardState expected = before;
    expected.endMode = true;
    EXPECT_EQ(differences(expected, state()), std::vector<std::string>{});
    expectNoMessage();
}

TEST_F(BoardTest, PlacingPutsTheCataloguePictureAndTheCodeOnTheCell) {
    const struct {
        int code;
        const char* picture;
    } cases[] = {
        {101, "\\bmp\\StrasOU.bmp"},         {104, "\\bmp\\StraskRU.bmp"},
        {111, "\\bmp\\StrasAB.bmp"},         {201, "\\bmp\\StragOU.bmp"},
        {212, "\\bmp\\Stgaslol.bmp"},        {233, "\\bmp\\Stgabrlu.bmp"},
        {301, "\\bmp\\deko\\Baum01.bmp"},    {409, "\\bmp\\deko\\Blume9.bmp"},
        {510, "\\bmp\\deko\\Haus10.bmp"},    {621, "\\bmp\\deko\\Sport21.bmp"},
        {707, "\\bmp\\deko\\Tier07.bmp"},    {804, "\\bmp\\deko\\ani\\Ani0041.bmp"},
        {821, "\\bmp\\deko\\ani\\Ani2101.bmp"}, {904, "\\bmp\\StratKRU.bmp"},
        {905, "\\bmp\\StratKLO.bmp"},        {906, "\\bmp\\StratKLU.bmp"},
        {911, "\\bmp\\StratAB.bmp"},         {933, "\\bmp\\Sgtabrlu.bmp"},
    };
    int cell = 100;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        chooseMenuTool(c.code);
        fakes.cursor.calls.clear();
        clickCell(cell);
        EXPECT_EQ(editor.cmd(cell).tag(), QString::number(c.code));
        EXPECT_EQ(editor.cmd(cell).picture().sourcePath(), c.picture);
        EXPECT_FALSE(editor.cmd(cell).picture().isEmpty());
        EXPECT_FALSE(editor.pic(cell).visible());
        EXPECT_EQ(fakes.cursor.calls, (std::vector<Call>{Call::Wait, Call::Default}));
        // A transporter waits for its target on this cell; every other tile leaves the tool chosen.
        EXPECT_EQ(editor.SelectedCode, pendix::isTransporter(c.code) ? 1000 + cell : c.code);
        ++cell;
    }
    expectNoMessage();
}

TEST_F(BoardTest, PlacingReplacesWhateverTheCellHeldWithoutAQuestion) {
    choosePaletteTool(Family::House, 2);
    clickCell(200);
    const BoardState once = state();
    clickCell(200);  // the same tile again writes the same values
    EXPECT_EQ(differences(once, state()), std::vector<std::string>{});
    choosePaletteTool(Family::Blocked, 12);
    clickCell(200);
    EXPECT_EQ(editor.cmd(200).tag(), "213");
    EXPECT_EQ(editor.cmd(200).picture().sourcePath(), "\\bmp\\Stgaslou.bmp");
    expectNoMessage();
}

TEST_F(BoardTest, AnAnimatedTilePlaysFromTheNextTickAndPlacedAgainRestartsAtItsFirstFrame) {
    choosePaletteTool(Family::Animation, 1);  // 802, 24 frames
    clickCell(120);
    EXPECT_EQ(editor.AnimCells[120], 1);
    EXPECT_EQ(editor.cmd(120).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0201.bmp");
    editor.Timer.fire();
    editor.Timer.fire();
    EXPECT_EQ(editor.AnimCells[120], 3);
    EXPECT_EQ(editor.cmd(120).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0203.bmp");
    clickCell(120);
    EXPECT_EQ(editor.AnimCells[120], 1);
    EXPECT_EQ(editor.cmd(120).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0201.bmp");
    editor.Timer.fire();
    EXPECT_EQ(editor.cmd(120).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0202.bmp");

    // Another tile over it: the counter stays, and the tick passes the cell by.
    choosePaletteTool(Family::Tree, 3);
    clickCell(120);
    editor.Timer.fire();
    EXPECT_EQ(editor.AnimCells[120], 2);
    EXPECT_EQ(editor.cmd(120).picture().sourcePath(), "\\bmp\\deko\\Baum04.bmp");
}

TEST_F(BoardTest, PlacingOnALinkedTransporterDropsItsLinkAndATransporterThereWaitsAgain) {
    composeMarkedRow();
    chooseMenuTool(912);
    clickCell(60);  // the link's arrow goes first, then the new transporter waits for its target
    EXPECT_EQ(editor.cmd(60).tag(), "912");
    EXPECT_EQ(editor.cmd(60).picture().sourcePath(), "\\bmp\\Sgtaslol.bmp");
    EXPECT_EQ(editor.pic(54).tag(), "0");
    EXPECT_FALSE(editor.pic(54).visible());
    EXPECT_TRUE(editor.pic(54).picture().isEmpty());
    EXPECT_EQ(editor.SelectedCode, 1060);
    clickCell(57);
    EXPECT_EQ(editor.cmd(60).tag(), "9120571");
    EXPECT_EQ(editor.pic(57).tag(), "0601");
}

TEST_F(BoardTest, ARightClickErasesTheCellAndLeavesItsOwnOverlayAndTheMarks) {
    composeMarkedRow();
    choosePaletteTool(Family::Animation, 0);
    clickCell(58);
    startMode();  // a position mode stays through an erase
    const BoardState before = state();
    const struct {
        int cell;
        bool linked;  // its target's arrow goes with it
    } cases[] = {{52, false}, {56, false}, {54, false}, {58, false}, {60, true}, {300, false}};
    BoardState expected = before;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        fakes.cursor.calls.clear();
        rightClickCell(c.cell);
        EXPECT_EQ(fakes.cursor.calls, (std::vector<Call>{Call::Wait, Call::Default}));
        expected.cells[static_cast<std::size_t>(c.cell)] = {"0", ""};
        if (c.linked) expected.overlays[54] = {"0", "", false};
        EXPECT_EQ(differences(expected, state()), std::vector<std::string>{});
    }
    EXPECT_EQ(editor.AnimCells[58], 1);  // a stale counter does no harm
    EXPECT_EQ(editor.SelectedCode, 801);
    expectNoMessage();
}

TEST_F(BoardTest, ARightClickEndsAPendingTargetChoiceOnWhicheverCell) {
    const struct {
        int transporter;
        int erased;
    } cases[] = {{0, 0}, {0, 5}, {130, 130}, {130, 399}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.transporter) + " " + std::to_string(c.erased));
        choosePaletteTool(Family::Transporter, 6);  // 907
        clickCell(c.transporter);
        ASSERT_EQ(editor.SelectedCode, 1000 + c.transporter);
        rightClickCell(c.erased);
        EXPECT_EQ(editor.SelectedCode, 0);
        EXPECT_EQ(editor.cmd(c.transporter).tag(), c.transporter == c.erased ? "0" : "907");
        EXPECT_EQ(checkedObjectItems(), std::vector<int>{907});  // the menu still shows it
        clickCell(c.transporter + 1);  // no tool: nothing happens
        EXPECT_EQ(editor.cmd(c.transporter + 1).tag(), "0");
    }
}

TEST_F(BoardTest, OnlyTheRightButtonErases) {
    choosePaletteTool(Family::Flower, 4);
    clickCell(210);
    chooseMenuTool(905);
    clickCell(211);
    rightClickCell(212);  // ends the choice: no tool
    const BoardState before = state();
    clickCell(210);  // its release reaches the release handler and is passed over
    clickAtCentre(211, Qt::MiddleButton);
    EXPECT_EQ(differences(before, state()), std::vector<std::string>{});
    EXPECT_EQ(editor.cmd(210).tag(), "405");
}

TEST_F(BoardTest, TheOverlaysLetTheMouseThroughToTheTileButtons) {
    for (int i = 0; i < pendix::kCellCount; ++i) ASSERT_TRUE(editor.pic(i).mouseTransparent()) << i;
    composeMarkedRow();
    // The car and the arrow are shown over the centres of their cells, yet a click there reaches the cell.
    for (int cell : {52, 54}) {
        ASSERT_TRUE(editor.pic(cell).widget()->isVisible());
        ASSERT_TRUE(editor.pic(cell).widget()->geometry().contains(
            editor.cmd(cell).widget()->geometry().center()));
        EXPECT_EQ(widgetAtCentre(cell), editor.cmd(cell).widget()) << cell;
    }
    startMode();
    clickCell(52);  // the car turns
    EXPECT_EQ(editor.StartDir, 2);
    EXPECT_EQ(editor.pic(52).picture().sourcePath(), "\\bmp\\AutoUO.bmp");
    clickCell(54);  // the arrow turns
    EXPECT_EQ(editor.pic(54).tag(), "0602");
    rightClickCell(54);  // and the street beneath is erased, its arrow left standing
    EXPECT_EQ(editor.cmd(54).tag(), "0");
    EXPECT_TRUE(editor.pic(54).visible());
}

TEST_F(BoardTest, ABitmapThatCannotBeReadLeavesTheCellWithoutAPictureAndEverythingElseAsUsual) {
    const test_support::ProgramFolder bare;  // from here on only icons and animation frames are found
    chooseMenuTool(303);
    clickCell(150);
    EXPECT_EQ(editor.cmd(150).tag(), "303");
    EXPECT_TRUE(editor.cmd(150).picture().isEmpty());
    EXPECT_EQ(editor.cmd(150).picture().sourcePath(), "\\bmp\\deko\\Baum03.bmp");
    chooseMenuTool(101);
    clickCell(151);
    chooseMenuTool(901);
    clickCell(150);
    EXPECT_EQ(editor.SelectedCode, 1150);
    clickCell(151);  // the link is made; only its arrow shows nothing
    EXPECT_EQ(editor.cmd(150).tag(), "9011511");
    EXPECT_EQ(editor.pic(151).tag(), "1501");
    EXPECT_TRUE(editor.pic(151).visible());
    EXPECT_TRUE(editor.pic(151).picture().isEmpty());
    expectNoMessage();
    EXPECT_FALSE(fakes.cursor.waiting());
}

}  // namespace
}  // namespace editor_test
