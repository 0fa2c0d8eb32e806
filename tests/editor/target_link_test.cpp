// The start, the end and the transporter links: the branches of a left click that
// set them, turn them and refuse them.
#include "board_fixture.h"
#include "editor/rules/palette_layout.h"
#include "shared/board/board.h"
#include "tests/support/level_file.h"
#include "tests/support/overlay_look.h"

#include <QTemporaryDir>

namespace editor_test {
namespace {

using pendix::Family;
using Call = test_support::RecordingScreenCursor::Call;

const char* const kNoFreeStreet = "Es kann nur auf eine freie Straße transportiert werden!";
const char* const kTargetOnEnd = "Es kann nicht auf die Endposition gesprungen werden!";
const char* const kStartNoStreet =
    "Der angeklickte Punkt ist nicht für die Start - Position geeignet, da er sich nicht auf der Straße befindet!";
const char* const kStartOnEnd = "Der angeklickte Punkt ist bereits als End - Position definiert!";
const char* const kEndNoStreet =
    "Der angeklickte Punkt ist nicht für die End - Position geeignet, da er nicht mit dem Auto erreichbar ist!";
const char* const kEndOnStart = "Der angeklickte Punkt ist bereits als Start - Position definiert!";

const char* const kArrows[] = {"", "\\bmp\\PfeiOU.bmp", "\\bmp\\PfeiUO.bmp", "\\bmp\\PfeiRL.bmp",
                               "\\bmp\\PfeiLR.bmp", "\\bmp\\PfeiDROU.bmp", "\\bmp\\PfeiDLOU.bmp",
                               "\\bmp\\PfeiDLUO.bmp", "\\bmp\\PfeiDRUO.bmp"};
const char* const kCars[] = {"", "\\bmp\\AutoOU.bmp", "\\bmp\\AutoUO.bmp", "\\bmp\\AutoRL.bmp",
                             "\\bmp\\AutoLR.bmp", "\\bmp\\AutoDROU.bmp", "\\bmp\\AutoDLOU.bmp",
                             "\\bmp\\AutoDLUO.bmp", "\\bmp\\AutoDRUO.bmp"};

// --- What a left click does on the cells that carry marks --------------------

enum class ClickState { Placing, StartMode, EndMode, TargetChoice };
enum class MarkedCell { Start = 52, End = 56, LinkedTransporter = 60, Target = 54 };
enum class Outcome { Placed, CarTurned, EndDrawnAgain, ArrowTurned, Refused };

struct MarkedCellCase {
    const char* name;
    ClickState state;
    MarkedCell cell;
    Outcome outcome;
    const char* message;  // the refusal, if any
    bool arrowRemoved;    // the clicked transporter's target loses its arrow first
};

void PrintTo(const MarkedCellCase& c, std::ostream* out) { *out << c.name; }

const MarkedCellCase kMarkedCellCases[] = {
    {"PlacingOnStart", ClickState::Placing, MarkedCell::Start, Outcome::Placed, nullptr, false},
    {"PlacingOnEnd", ClickState::Placing, MarkedCell::End, Outcome::Placed, nullptr, false},
    {"PlacingOnLinkedTransporter", ClickState::Placing, MarkedCell::LinkedTransporter, Outcome::Placed, nullptr, true},
    {"PlacingOnTarget", ClickState::Placing, MarkedCell::Target, Outcome::ArrowTurned, nullptr, false},
    {"StartModeOnStart", ClickState::StartMode, MarkedCell::Start, Outcome::CarTurned, nullptr, false},
    {"StartModeOnEnd", ClickState::StartMode, MarkedCell::End, Outcome::Refused, kStartOnEnd, false},
    {"StartModeOnLinkedTransporter", ClickState::StartMode, MarkedCell::LinkedTransporter, Outcome::Refused,
     kStartNoStreet, true},
    {"StartModeOnTarget", ClickState::StartMode, MarkedCell::Target, Outcome::ArrowTurned, nullptr, false},
    {"EndModeOnStart", ClickState::EndMode, MarkedCell::Start, Outcome::Refused, kEndOnStart, false},
    {"EndModeOnEnd", ClickState::EndMode, MarkedCell::End, Outcome::EndDrawnAgain, nullptr, false},
    {"EndModeOnLinkedTransporter", ClickState::EndMode, MarkedCell::LinkedTransporter, Outcome::Refused,
     kEndNoStreet, true},
    {"EndModeOnTarget", ClickState::EndMode, MarkedCell::Target, Outcome::ArrowTurned, nullptr, false},
    {"TargetChoiceOnStart", ClickState::TargetChoice, MarkedCell::Start, Outcome::Refused, kNoFreeStreet, false},
    {"TargetChoiceOnEnd", ClickState::TargetChoice, MarkedCell::End, Outcome::Refused, kTargetOnEnd, false},
    {"TargetChoiceOnLinkedTransporter", ClickState::TargetChoice, MarkedCell::LinkedTransporter, Outcome::Refused,
     kNoFreeStreet, true},
    {"TargetChoiceOnTarget", ClickState::TargetChoice, MarkedCell::Target, Outcome::Refused, kNoFreeStreet, false},
};

class MarkedCellTest : public BoardTest, public ::testing::WithParamInterface<MarkedCellCase> {};

TEST_P(MarkedCellTest, ALeftClickOnACellThatCarriesAMark) {
    const MarkedCellCase& c = GetParam();
    composeMarkedRow();  // tool "Baum 1"
    switch (c.state) {
    case ClickState::Placing: break;
    case ClickState::StartMode: startMode(); break;
    case ClickState::EndMode: endMode(); break;
    case ClickState::TargetChoice:
        chooseMenuTool(905);
        clickCell(70);
        break;
    }
    ASSERT_EQ(fakes.messages.shown.size(), 0u);
    const int cell = static_cast<int>(c.cell);
    const BoardState before = state();
    fakes.cursor.calls.clear();
    clickCell(cell);

    BoardState expected = before;
    auto& clicked = expected.cells[static_cast<std::size_t>(cell)];
    if (c.arrowRemoved) expected.overlays[54] = {"0", "", false};
    switch (c.outcome) {
    case Outcome::Placed: clicked = {"301", "\\bmp\\deko\\Baum01.bmp"}; break;
    case Outcome::CarTurned:
        expected.overlays[52] = {"2", kCars[2], true};
        expected.startDir = 2;
        expected.startMode = false;
        break;
    case Outcome::EndDrawnAgain:
        clicked.picture = "\\bmp\\StraeRL.bmp";
        expected.endMode = false;
        break;
    case Outcome::ArrowTurned:  // whatever the mode, it stays on
        expected.overlays[54] = {"0602", kArrows[2], true};
        expected.cells[60].tag = "9010542";
        break;
    case Outcome::Refused: break;  // the mode or the pending choice stays
    }
    EXPECT_EQ(differences(expected, state()), std::vector<std::string>{});
    if (c.message)
        expectRefusal(c.message);
    else
        expectNoMessage();
    EXPECT_EQ(fakes.cursor.calls, (std::vector<Call>{Call::Wait, Call::Default}));  // also after a message
}

INSTANTIATE_TEST_SUITE_P(FourStatesTimesFourCells, MarkedCellTest, ::testing::ValuesIn(kMarkedCellCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Transporter links --------------------------------------------------------

class LinkTest : public BoardTest {
protected:
    // A street on `target`, the transporter `code` on `source`, and the click that links them.
    void link(int code, int source, int target) {
        chooseMenuTool(101);
        clickCell(target);
        chooseMenuTool(code);
        clickCell(source);
        ASSERT_EQ(editor.SelectedCode, 1000 + source);
        clickCell(target);
    }
};

TEST_F(LinkTest, ALinkStartsUpwardsAndThreeTurnsGiveLeft) {
    link(912, 300, 7);
    EXPECT_EQ(editor.cmd(300).tag(), "9120071");
    EXPECT_EQ(editor.pic(7).tag(), "3001");
    EXPECT_EQ(editor.pic(7).picture().sourcePath(), "\\bmp\\PfeiOU.bmp");
    EXPECT_TRUE(editor.pic(7).visible());
    EXPECT_EQ(editor.cmd(7).tag(), "101");  // the target keeps its street
    // The choice is over; the tool is the transporter the object menu still shows.
    EXPECT_EQ(editor.SelectedCode, 912);
    EXPECT_EQ(checkedObjectItems(), std::vector<int>{912});
    clickCells({7, 7, 7});
    EXPECT_EQ(editor.cmd(300).tag(), "9120074");
    EXPECT_EQ(editor.pic(7).tag(), "3004");
    EXPECT_EQ(editor.pic(7).picture().sourcePath(), "\\bmp\\PfeiLR.bmp");
    expectNoMessage();
    // The next click places another transporter of the same kind.
    clickCell(310);
    EXPECT_EQ(editor.cmd(310).tag(), "912");
    EXPECT_EQ(editor.SelectedCode, 1310);
}

TEST_F(LinkTest, EachTurnStepsThroughTheEightDirectionsAndBackToUp) {
    link(905, 42, 43);
    for (int turn = 1; turn <= 8; ++turn) {
        const int direction = turn % 8 + 1;
        SCOPED_TRACE(direction);
        clickCell(43);
        EXPECT_EQ(editor.pic(43).picture().sourcePath(), kArrows[direction]);
        EXPECT_EQ(editor.pic(43).tag(), "042" + QString::number(direction));
        EXPECT_EQ(editor.cmd(42).tag(), "905043" + QString::number(direction));
    }
    EXPECT_EQ(editor.pic(43).picture().sourcePath(), "\\bmp\\PfeiOU.bmp");
}

TEST_F(LinkTest, AnExitThatIsNoDirectionStaysAndTheSourceTakesItAllTheSame) {
    link(905, 42, 43);
    for (const char* exit : {"0", "9", "x"}) {
        SCOPED_TRACE(exit);
        // Only a level file brings such a mark; the board is left here as its loader leaves it.
        editor.pic(43).setTag(QStringLiteral("042") + exit);
        clickCell(43);
        EXPECT_EQ(editor.pic(43).tag(), QStringLiteral("042") + exit);
        EXPECT_EQ(editor.pic(43).picture().sourcePath(), "\\bmp\\PfeiOU.bmp");
        EXPECT_EQ(editor.cmd(42).tag(), QStringLiteral("905043") + exit);
    }
}

TEST_F(LinkTest, ATurnWritesTheExitOnlyIntoATransporterText) {
    link(905, 42, 43);
    // A mark whose source holds no Transporter text (only a damaged file can leave one).
    editor.cmd(42).setTag(QStringLiteral("11"));
    clickCell(43);
    EXPECT_EQ(editor.pic(43).tag(), "0422");
    EXPECT_EQ(editor.cmd(42).tag(), "11");
}

TEST_F(LinkTest, ARefusedTargetKeepsTheChoiceAndTheNextFreeStreetIsLinked) {
    chooseMenuTool(101);
    clickCells({10, 11, 12});
    endMode();
    clickCell(12);
    chooseMenuTool(201);
    clickCell(13);
    chooseMenuTool(901);
    clickCell(20);
    const struct {
        int cell;
        const char* message;
    } refused[] = {
        {20, kNoFreeStreet},  // the waiting transporter itself
        {13, kNoFreeStreet},  // a blocked street
        {14, kNoFreeStreet},  // an empty cell
        {12, kTargetOnEnd},
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.cell);
        const BoardState before = state();
        clickCell(r.cell);
        EXPECT_EQ(differences(before, state()), std::vector<std::string>{});
        expectRefusal(r.message);
    }
    clickCell(11);
    EXPECT_EQ(editor.cmd(20).tag(), "9010111");
    // The start cannot go on a target: the click turns the arrow instead.
    startMode();
    clickCell(11);
    EXPECT_EQ(editor.pic(11).tag(), "0202");
    EXPECT_EQ(editor.StartDir, 0);
    EXPECT_TRUE(editor.mnuStartpositionfestlegen.checked());
    expectNoMessage();
}

TEST_F(LinkTest, ChoosingAToolWhileATransporterWaitsLeavesItUnlinked) {
    chooseMenuTool(101);
    clickCell(31);
    chooseMenuTool(903);
    clickCell(30);
    startMode();  // a position mode does not end the choice
    clickCell(31);
    EXPECT_EQ(editor.cmd(30).tag(), "9030311");
    EXPECT_TRUE(editor.mnuStartpositionfestlegen.checked());

    chooseMenuTool(903);
    clickCell(32);
    chooseMenuTool(101);
    clickCell(33);  // placed: the choice is over
    EXPECT_EQ(editor.cmd(32).tag(), "903");
    EXPECT_EQ(editor.cmd(33).tag(), "101");
    EXPECT_FALSE(editor.pic(33).visible());
}

TEST_F(LinkTest, AChoiceLeftPendingOverALoadEndsWithoutALink) {
    chooseMenuTool(101);
    clickCell(301);
    chooseMenuTool(905);
    clickCell(300);
    ASSERT_EQ(editor.SelectedCode, 1300);
    // A level loaded meanwhile (as "Neu" and "Öffnen" do: the board cleared, then the file read):
    // cell 300 holds a street now, 301 another.
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("umweg.lvl"));
    ASSERT_TRUE(
        test_support::writeFile(file, test_support::levelFile("Umweg", {{300, "101"}, {301, "101"}}, "301", "1", "0")));
    editor.ClearBoard();
    editor.LoadLevel(file);
    ASSERT_EQ(editor.SelectedCode, 1300);  // loading leaves the tool alone
    const BoardState loaded = state();

    clickCell(301);  // nothing is appended to cell 300, whatever it holds now
    BoardState expected = loaded;
    expected.selectedCode = 0;
    EXPECT_EQ(differences(expected, state()), std::vector<std::string>{});
    expectNoMessage();
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(LinkTest, AClickInAModeOnALinkedTransporterFreesItsTargetForAnotherLink) {
    link(901, 100, 102);
    startMode();
    clickCell(100);  // the arrow goes, then the click is refused
    expectRefusal(kStartNoStreet);
    EXPECT_EQ(editor.cmd(100).tag(), "9011021");
    EXPECT_EQ(editor.pic(102).tag(), "0");
    EXPECT_FALSE(editor.pic(102).visible());

    chooseMenuTool(902);
    clickCell(104);
    clickCell(102);  // the freed street takes the second link
    EXPECT_EQ(editor.cmd(104).tag(), "9021021");
    EXPECT_EQ(editor.pic(102).tag(), "1041");
    // A tool on the first transporter takes away only its own arrow: the second link's stays.
    chooseMenuTool(301);
    clickCell(100);
    EXPECT_EQ(editor.cmd(100).tag(), "301");
    EXPECT_EQ(editor.pic(102).tag(), "1041");
    EXPECT_TRUE(editor.pic(102).visible());
    expectNoMessage();
}

TEST_F(LinkTest, AStartOnAFreedTargetKeepsItsCarWhenTheOldTransporterIsClicked) {
    link(901, 100, 102);
    endMode();
    clickCell(100);  // frees 102
    expectRefusal(kEndNoStreet);
    startMode();
    clickCell(102);
    ASSERT_EQ(editor.StartPos, 102);
    chooseMenuTool(301);
    rightClickCell(100);  // erasing the transporter that still names 102
    EXPECT_TRUE(editor.pic(102).visible());
    EXPECT_EQ(editor.pic(102).tag(), "1");
    EXPECT_EQ(editor.pic(102).picture().sourcePath(), kCars[1]);
}

// --- The start ----------------------------------------------------------------

TEST_F(BoardTest, EachStartClickOnTheStartTurnsTheCarOneStepAndEndsTheMode) {
    choosePaletteTool(Family::Street, 0);
    clickCell(77);
    for (int click = 1; click <= 9; ++click) {
        const int direction = (click - 1) % 8 + 1;
        SCOPED_TRACE(direction);
        startMode();
        clickCell(77);
        EXPECT_EQ(editor.StartDir, direction);
        EXPECT_EQ(editor.StartPos, 77);
        EXPECT_EQ(editor.pic(77).tag(), QString::number(direction));
        EXPECT_EQ(editor.pic(77).picture().sourcePath(), kCars[direction]);
        EXPECT_TRUE(editor.pic(77).visible());
        EXPECT_FALSE(editor.mnuStartpositionfestlegen.checked());
        EXPECT_EQ(editor.lblSP.caption(), "77");
        clickCell(78);  // the mode is over: the tool places again
        EXPECT_EQ(editor.cmd(78).tag(), "101");
    }
}

TEST_F(BoardTest, AMovedStartBeginsUpOnAFreshStreetAndAFormerStartGoesOnFromItsDigit) {
    choosePaletteTool(Family::Street, 1);
    clickCells({80, 81});
    for (int turns = 0; turns < 3; ++turns) {
        startMode();
        clickCell(80);
    }
    ASSERT_EQ(editor.StartDir, 3);
    startMode();
    clickCell(81);
    EXPECT_EQ(editor.StartPos, 81);
    EXPECT_EQ(editor.StartDir, 1);
    EXPECT_EQ(editor.pic(81).picture().sourcePath(), kCars[1]);
    // The former start only hides its car, with picture and digit.
    EXPECT_FALSE(editor.pic(80).visible());
    EXPECT_EQ(editor.pic(80).tag(), "3");
    EXPECT_EQ(editor.pic(80).picture().sourcePath(), kCars[3]);
    startMode();
    clickCell(80);
    EXPECT_EQ(editor.StartDir, 4);
    EXPECT_EQ(editor.pic(80).picture().sourcePath(), kCars[4]);
    EXPECT_TRUE(editor.pic(80).visible());
    EXPECT_FALSE(editor.pic(81).visible());
}

TEST_F(BoardTest, OnlyAPlainStreetTakesTheStartOrTheEnd) {
    const struct {
        int code;  // 0: the cell stays empty
        bool street;
    } cases[] = {{0, false}, {101, true}, {111, true}, {201, false}, {212, false},
                 {301, false}, {801, false}, {901, false}};
    int cell = 160;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        if (c.code != 0) {
            chooseMenuTool(c.code);
            clickCell(cell);
            if (c.code >= 901) rightClickCell(cell + 50);  // ends its target choice, and leaves no tool
        }
        chooseMenuTool(102);
        startMode();
        clickCell(cell);
        if (c.street) {
            expectNoMessage();
            EXPECT_EQ(editor.StartPos, cell);
        } else {
            expectRefusal(kStartNoStreet);
            EXPECT_TRUE(editor.mnuStartpositionfestlegen.checked());
        }
        endMode();
        clickCell(cell);
        if (c.street) {
            expectRefusal(kEndOnStart);
        } else {
            expectRefusal(kEndNoStreet);
            EXPECT_TRUE(editor.mnuEndpositionfestlegen.checked());
        }
        ++cell;
    }
}

TEST_F(BoardTest, AValueOnlyAFileCanBringIsNoStreetForTheStartTheEndOrATarget) {
    // The save refuses an end on such a cell, so the board must not take it either.
    const char* const tags[] = {"50", "-5", "101.5", "112"};
    chooseMenuTool(901);
    clickCell(300);  // a transporter waits for its target
    int cell = 160;
    for (const char* tag : tags) {
        SCOPED_TRACE(tag);
        editor.cmd(cell).setTag(QString::fromLatin1(tag));
        clickCell(cell);
        expectRefusal(kNoFreeStreet);
        ++cell;
    }
    rightClickCell(301);  // ends the choice
    chooseMenuTool(102);
    cell = 160;
    for (const char* tag : tags) {
        SCOPED_TRACE(tag);
        startMode();
        clickCell(cell);
        expectRefusal(kStartNoStreet);
        endMode();
        clickCell(cell);
        expectRefusal(kEndNoStreet);
        ++cell;
    }
}

// --- The end ------------------------------------------------------------------

TEST_F(BoardTest, TheEndMarkerMovesBetweenPlainStreets) {
    chooseMenuTool(104);
    clickCells({90, 91});
    startMode();
    clickCell(91);
    endMode();
    clickCell(90);
    EXPECT_EQ(editor.EndPos, 90);
    EXPECT_EQ(editor.lblEP.caption(), "90");
    EXPECT_EQ(editor.cmd(90).picture().sourcePath(), "\\bmp\\StraekRU.bmp");
    EXPECT_EQ(editor.cmd(90).tag(), "104");  // only the picture marks it
    EXPECT_FALSE(editor.mnuEndpositionfestlegen.checked());

    chooseMenuTool(110);
    clickCell(92);
    endMode();
    clickCell(92);
    EXPECT_EQ(editor.cmd(90).picture().sourcePath(), "\\bmp\\StraskRU.bmp");
    EXPECT_EQ(editor.cmd(92).picture().sourcePath(), "\\bmp\\StraeAWL.bmp");

    // A former end whose street was replaced keeps the new tile's picture.
    chooseMenuTool(302);
    clickCell(92);
    EXPECT_EQ(editor.EndPos, 92);
    chooseMenuTool(104);
    endMode();
    clickCell(90);
    EXPECT_EQ(editor.cmd(92).picture().sourcePath(), "\\bmp\\deko\\Baum02.bmp");
    EXPECT_EQ(editor.cmd(90).picture().sourcePath(), "\\bmp\\StraekRU.bmp");
    expectNoMessage();
}

TEST_F(BoardTest, CellZeroStandsForTheEndAndTheStartUntilTheyAreSet) {
    chooseMenuTool(101);
    clickCells({0, 1, 2});
    // No end yet: cell 0 counts as the end for the start and for a target.
    startMode();
    clickCell(0);
    expectRefusal(kStartOnEnd);
    chooseMenuTool(901);
    clickCell(25);
    clickCell(0);
    expectRefusal(kTargetOnEnd);
    rightClickCell(25);
    // No start yet: cell 0 counts as the start for the end.
    chooseMenuTool(101);
    endMode();
    clickCell(0);
    expectRefusal(kEndOnStart);

    startMode();
    clickCell(2);
    endMode();
    clickCell(0);
    EXPECT_EQ(editor.EndPos, 0);
    EXPECT_EQ(editor.cmd(0).picture().sourcePath(), "\\bmp\\StraeOU.bmp");
    endMode();
    clickCell(1);  // an end of 0 counts as none: cell 0 keeps its marker
    EXPECT_EQ(editor.EndPos, 1);
    EXPECT_EQ(editor.cmd(0).picture().sourcePath(), "\\bmp\\StraeOU.bmp");
    EXPECT_EQ(editor.cmd(1).picture().sourcePath(), "\\bmp\\StraeOU.bmp");
    expectNoMessage();
}

TEST_F(BoardTest, TheFirstStartHidesCellZerosOverlayButNotATargetArrowThere) {
    chooseMenuTool(101);
    clickCells({0, 1, 2});
    endMode();
    clickCell(2);
    chooseMenuTool(901);
    clickCell(25);
    clickCell(0);  // the end lies elsewhere now, so cell 0 takes the link
    ASSERT_EQ(editor.pic(0).tag(), "0251");
    startMode();
    clickCell(1);
    EXPECT_EQ(editor.StartPos, 1);
    EXPECT_TRUE(editor.pic(0).visible());
    EXPECT_EQ(editor.pic(0).picture().sourcePath(), kArrows[1]);
    EXPECT_EQ(editor.pic(0).tag(), "0251");
    expectNoMessage();
}

TEST_F(BoardTest, ArrowsAndTheCarSitOnTheirStreets) {
    // Around the arrow and the car the street beneath shows: its edge lines and lane marks.
    composeMarkedRow();  // target 54 and start 52 on straight streets
    const auto expectOnItsTile = [this](int cell, const std::string& what) {
        const test_support::OverlayLook look = test_support::lookAtOverlay(editor, editor.pic(cell));
        EXPECT_EQ(test_support::pixelsOffTheirTile(look, pendix::kBoardGreen), std::vector<std::string>{}) << what;
        EXPECT_EQ(test_support::rimHidingTheTile(look, 2), std::vector<std::string>{}) << what;
    };
    expectOnItsTile(52, "car");
    for (int turns = 0; turns < 5; ++turns) {  // up, then down, right, left and the first slant
        expectOnItsTile(54, editor.pic(54).picture().sourcePath().toStdString());
        clickCell(54);
    }
    EXPECT_EQ(editor.pic(54).picture().sourcePath(), kArrows[6]);
    expectNoMessage();
}

}  // namespace
}  // namespace editor_test
