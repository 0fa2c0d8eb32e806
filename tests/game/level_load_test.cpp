// Loading a level onto the window's board, and what a file the game cannot use leaves.
#include "game_window_fixture.h"
#include "platform/paths.h"

#include <QDir>
#include <QTemporaryDir>

namespace game_test {
namespace {

using Cells = std::array<std::string, 400>;

// Cell 0 a street, 1 a blocked street, 2 a linked transporter, 3 an animation,
// 4 empty, the start on 5 facing down-left, the end on the curve at 10.
Cells sampleCells() {
    Cells cells;
    cells[0] = "101";
    cells[1] = "212";
    cells[2] = "9120451";
    cells[3] = "805";
    cells[5] = "102";
    cells[10] = "104";
    return cells;
}

TEST_F(GameWindowTest, LoadDrawsEveryCellFromTheDiskAndPutsTheCarOnTheStart) {
    game.AnimCells[4] = 7;  // a counter of a cell that gets no animation stays
    const QString path = writeLevel("sample.lvl", "  Stra\xdf" "e  ", sampleCells(), 5, 7, 10);
    game.ClearBoard();
    fakes.cursor.calls.clear();
    game.LoadLevel(path);

    struct Cell {
        int index;
        const char* picture;
        const char* tag;
    };
    const Cell drawn[] = {
        {0, "\\bmp\\StrasOU.bmp", "101"},
        {1, "\\bmp\\Stgaslol.bmp", "105"},
        {2, "\\bmp\\Sgtaslol.bmp", "1050451"},
        {3, "\\bmp\\deko\\ani\\Ani0051.bmp", "805"},
        {4, "", "0"},
        {10, "\\bmp\\StraekRU.bmp", "104"},  // the end marker instead of the curve
    };
    for (const auto& [index, picture, tag] : drawn) {
        EXPECT_EQ(game.cmd(index).picture().sourcePath(), QString::fromUtf8(picture)) << index;
        EXPECT_EQ(game.cmd(index).picture().isEmpty(), *picture == '\0') << index;
        EXPECT_EQ(game.cmd(index).tag(), tag) << index;
    }
    EXPECT_EQ(game.AnimCells[3], 1);
    EXPECT_EQ(game.AnimCells[4], 7);

    EXPECT_EQ(game.pic(5).picture().sourcePath(), "\\bmp\\AutoDLUO.bmp");
    EXPECT_FALSE(game.pic(5).picture().isEmpty());
    EXPECT_TRUE(game.pic(5).visible());
    EXPECT_EQ(game.pic(5).tag(), "7");
    for (int i = 0; i < 400; ++i) {
        if (i == 5) continue;
        EXPECT_FALSE(game.pic(i).visible()) << i;
    }

    EXPECT_EQ(game.StartPos, 5);
    EXPECT_EQ(game.StartDir, 7);
    EXPECT_EQ(game.EndPos, 10);
    EXPECT_EQ(game.CarPos, 5);
    EXPECT_EQ(game.CarDir, 7);
    EXPECT_EQ(game.LevelName, "Straße");
    EXPECT_EQ(game.lblLevelName.caption(), "Level: Straße");
    EXPECT_EQ(game.LevelLines[0], "  Stra\xdf" "e  ");
    EXPECT_EQ(game.LevelLines[1 + 2], "9120451");
    EXPECT_EQ(game.LevelLines[403], "10");
    EXPECT_TRUE(fakes.messages.shown.empty());
    using Call = test_support::RecordingScreenCursor::Call;
    EXPECT_EQ(fakes.cursor.calls, (std::vector<Call>{Call::Wait, Call::Default}));
}

TEST_F(GameWindowTest, MissingBitmapsLeaveTheirCellsBare) {
    QTemporaryDir emptyFolder;
    const QString path = writeLevel("sample.lvl", "Ohne Bilder", sampleCells(), 5, 3, 10);
    platform::setProgramFolder(emptyFolder.path());
    game.ClearBoard();
    game.LoadLevel(path);
    EXPECT_EQ(game.cmd(0).picture().sourcePath(), "\\bmp\\StrasOU.bmp");
    EXPECT_TRUE(game.cmd(0).picture().isEmpty());
    EXPECT_EQ(game.cmd(0).tag(), "101");
    EXPECT_TRUE(game.pic(5).picture().isEmpty());
    EXPECT_TRUE(game.pic(5).visible());
    EXPECT_EQ(game.lblLevelName.caption(), "Level: Ohne Bilder");
}

TEST_F(GameWindowTest, LevelMenuItemsLoadTheBuiltInLevels) {
    game.mnuLevel1.click();
    EXPECT_TRUE(game.lblLevelName.caption().startsWith("Level: "));
    EXPECT_GT(game.LevelName.size(), 0);
    EXPECT_TRUE(game.pic(game.StartPos).visible());
    EXPECT_TRUE(fakes.messages.shown.empty());

    game.mnuLevel9.click();
    EXPECT_TRUE(fakes.messages.shown.empty());
    int shown = 0;
    for (int i = 0; i < 400; ++i) shown += game.pic(i).visible() ? 1 : 0;
    EXPECT_EQ(shown, 1);  // the board was cleared before the second level
}

TEST_F(GameWindowTest, ClearBoardLeavesTheDriveAlone) {
    game.mnuLevel1.click();
    game.cmdLevelStart.click();
    game.tmeWeiter.fire();
    const QString counter = game.txtGF.text();
    const QString caption = game.lblLevelName.caption();
    const auto carPos = game.CarPos;
    game.ClearBoard();
    EXPECT_TRUE(game.tmeWeiter.enabled());
    EXPECT_EQ(game.txtGF.text(), counter);
    EXPECT_EQ(game.lblLevelName.caption(), caption);
    EXPECT_EQ(game.CarPos, carPos);
    for (int i = 0; i < 400; ++i) {
        EXPECT_EQ(game.cmd(i).tag(), "0");
        EXPECT_TRUE(game.cmd(i).picture().sourcePath().isEmpty());
        EXPECT_EQ(game.pic(i).tag(), "0");
        EXPECT_TRUE(game.pic(i).picture().sourcePath().isEmpty());
        EXPECT_FALSE(game.pic(i).visible());
    }
}

TEST_F(GameWindowTest, TheAnimationTimerTurnsTheIconAndTheAnimatedCells) {
    const QString path = writeLevel("sample.lvl", "Bewegt", sampleCells(), 5, 3, 10);
    game.ClearBoard();
    game.LoadLevel(path);
    ASSERT_EQ(game.AnimCells[3], 1);
    ASSERT_TRUE(game.Timer.fire());
    EXPECT_EQ(game.AnimCells[3], 2);
    EXPECT_EQ(game.cmd(3).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0052.bmp");
    EXPECT_EQ(game.IconStep, 1);
    EXPECT_EQ(game.icon().sourcePath(), "\\ico\\auto01.ico");
}

TEST_F(GameWindowTest, AFileTheGameCannotUseGivesAMessageAndAnEmptyWindow) {
    struct Case {
        const char* what;
        QString path;
        const char* problem;
    };
    QDir(levels.path()).mkdir("ordner.lvl");
    std::string shortBytes = "Kurz\r\n";
    for (int i = 0; i < 119; ++i) shortBytes += "101\r\n";
    const Case cases[] = {
        {"missing", levels.filePath("fehlt.lvl"), "Die Datei gibt es nicht."},
        {"folder", levels.filePath("ordner.lvl"), "Das ist ein Verzeichnis, keine Level-Datei."},
        {"short", writeFile("kurz.lvl", shortBytes), "Die Datei hat nur 120 von 404 Zeilen."},
        {"start off the board", writeLevel("start.lvl", "Start", sampleCells(), 400, 3, 10),
         "Die Startposition 400 liegt nicht auf dem Spielfeld (0 bis 399)."},
        {"end off the board", writeLevel("ende.lvl", "Ende", sampleCells(), 5, 3, -1), "(0 bis 399)."},
        {"beyond 16 bits", writeLevel("gross.lvl", "Groß", sampleCells(), 70000, 3, 10), "Der Wert 70000 in Zeile 402"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        game.mnuLevel1.click();
        game.cmdLevelStart.click();
        ASSERT_TRUE(game.tmeWeiter.enabled());
        fakes.messages.shown.clear();

        game.ClearBoard();
        game.LoadLevel(c.path);

        ASSERT_EQ(fakes.messages.shown.size(), 1u);
        const auto& box = fakes.messages.shown.front();
        EXPECT_EQ(box.title, "Level nicht lesbar");
        EXPECT_EQ(box.style, platform::MsgBoxStyle::Exclamation);
        EXPECT_TRUE(box.text.contains(c.path)) << box.text.toStdString();
        EXPECT_TRUE(box.text.contains(QString::fromUtf8(c.problem))) << box.text.toStdString();
        EXPECT_EQ(game.lblLevelName.caption(), "Kein Level eingelesen!");
        EXPECT_FALSE(game.tmeWeiter.enabled());  // no step runs over the cleared board
        for (int i = 0; i < 400; ++i) {
            EXPECT_EQ(game.cmd(i).tag(), "0");
            EXPECT_FALSE(game.pic(i).visible());
        }
        EXPECT_EQ(game.CarPos, 0);
        EXPECT_TRUE(game.LevelName.isEmpty());

        // "Level - Start" is inert again.
        fakes.cursor.calls.clear();
        game.cmdLevelStart.click();
        EXPECT_TRUE(fakes.cursor.calls.empty());
        EXPECT_FALSE(game.tmeWeiter.enabled());
    }
}

}  // namespace
}  // namespace game_test
