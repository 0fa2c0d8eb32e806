// "Level - Start", the keys and the car step as the player meets them in the game.
#include "game_window_fixture.h"
#include "platform/paths.h"

namespace game_test {
namespace {

using Cells = std::array<std::string, 400>;
using Operation = test_support::RecordingWavePlayer::Operation;

// A short road in the third row: start on 50 heading right, a transporter on 51
// that sends the car to 77 heading right, and the end on 77.
Cells transporterRoad() {
    Cells cells;
    cells[50] = "102";
    cells[51] = "9020773";
    cells[77] = "102";
    return cells;
}

class DriveTest : public GameWindowTest {
protected:
    void start(const Cells& cells, int startPos, int startDir, int endPos) {
        game.ClearBoard();
        game.LoadLevel(writeLevel("drive.lvl", "Probefahrt", cells, startPos, startDir, endPos));
        game.cmdLevelStart.click();
        fakes.waves.operations.clear();
    }
    int visibleOverlays() const {
        int shown = 0;
        for (int i = 0; i < 400; ++i) shown += game.pic(i).visible() ? 1 : 0;
        return shown;
    }
};

TEST_F(DriveTest, SpeedKeysKeepTheIntervalWithinItsBounds) {
    struct Case {
        int speed;
        char key;
        int expected;
    };
    const Case cases[] = {
        {65525, '*', 65535}, {65530, '*', 65535}, {500, '*', 510}, {65535, '+', 65535}, {100, '+', 101},
        {11, '/', 1},        {10, '/', 1},        {500, '/', 490}, {1, '-', 1},         {2, '-', 1},
        {7, '0', 1000},      {65535, '0', 1000},  {300, 'x', 300},
    };
    for (const Case& c : cases) {
        game.tmeWeiter.setInterval(c.speed);
        type(game.cmdLevelStart, c.key);
        EXPECT_EQ(game.tmeWeiter.interval(), c.expected) << c.speed << " " << c.key;
    }
}

TEST_F(DriveTest, TurnKeysLeaveOneRequestAndFiveSwitchesTheStepTimer) {
    type(game.cmd(17), '4');  // the focus on a tile button: key preview still sees it
    EXPECT_EQ(game.TurnLeft, 1);
    EXPECT_EQ(game.TurnRight, 0);
    type(game.cmdLevelStart, '6');
    EXPECT_EQ(game.TurnLeft, 0);
    EXPECT_EQ(game.TurnRight, 1);

    EXPECT_FALSE(game.tmeWeiter.enabled());
    type(game.cmdLevelStart, '5');
    EXPECT_TRUE(game.tmeWeiter.enabled());
    type(game.cmdLevelStart, '5');
    EXPECT_FALSE(game.tmeWeiter.enabled());
    EXPECT_TRUE(fakes.cursor.calls.empty());  // keys never touch the cursor
}

TEST_F(DriveTest, StartWithoutALevelDoesNothingAtAll) {
    game.txtGF.setText("7");
    game.cmdLevelStart.click();
    EXPECT_TRUE(fakes.cursor.calls.empty());
    EXPECT_FALSE(game.tmeWeiter.enabled());
    EXPECT_EQ(game.txtGF.text(), "7");
    EXPECT_EQ(visibleOverlays(), 0);
}

TEST_F(DriveTest, StartDuringADrivePutsTheCarBackAndKeepsTheTimerRunning) {
    Cells road;
    for (int cell = 100; cell < 110; ++cell) road[static_cast<std::size_t>(cell)] = "102";
    start(road, 100, 3, 109);
    game.tmeWeiter.fire();
    game.tmeWeiter.fire();
    type(game.cmdLevelStart, '4');
    ASSERT_EQ(game.CarPos, 102);
    ASSERT_EQ(game.txtGF.text(), "2");

    fakes.cursor.calls.clear();
    game.cmdLevelStart.click();
    EXPECT_EQ(game.txtGF.text(), "0");
    EXPECT_EQ(game.CarPos, 100);
    EXPECT_EQ(game.CarDir, 3);
    EXPECT_EQ(game.TurnLeft, 0);
    EXPECT_EQ(game.TurnRight, 0);
    EXPECT_TRUE(game.tmeWeiter.enabled());
    EXPECT_EQ(visibleOverlays(), 1);
    EXPECT_TRUE(game.pic(100).visible());
    EXPECT_EQ(game.pic(100).picture().sourcePath(), "\\bmp\\AutoRL.bmp");
    EXPECT_EQ(game.pic(102).tag(), "0");
    EXPECT_TRUE(game.pic(102).picture().sourcePath().isEmpty());
    using Call = test_support::RecordingScreenCursor::Call;
    EXPECT_EQ(fakes.cursor.calls, (std::vector<Call>{Call::Wait, Call::Default}));
}

TEST_F(DriveTest, EachStepPlaysItsWaveThroughTheFiveOperations) {
    start(transporterRoad(), 50, 3, 77);
    game.tmeWeiter.fire();
    const QString wave = platform::programFolder() + "\\wav\\gerade.wav";
    EXPECT_EQ(fakes.waves.operations,
              (std::vector<Operation>{
                  {"Close", {}}, {"FileName", wave}, {"DeviceType", "WaveAudio"}, {"Open", {}}, {"Play", {}}}));

    game.mnuSound1.setChecked(false);
    fakes.waves.operations.clear();
    game.tmeWeiter.fire();  // the transport, silent
    game.tmeWeiter.fire();  // the win, silent
    EXPECT_TRUE(fakes.waves.operations.empty());
    EXPECT_EQ(fakes.messages.shown.size(), 1u);
}

TEST_F(DriveTest, TransportThenWinOnTheTargetWithTheCarsOwnPicture) {
    start(transporterRoad(), 50, 3, 77);
    bool timerOffAtMessage = false;
    fakes.onMessage = [&] { timerOffAtMessage = !game.tmeWeiter.enabled(); };

    game.tmeWeiter.fire();  // onto the transporter as onto its street
    EXPECT_EQ(game.CarPos, 51);
    EXPECT_EQ(game.pic(51).picture().sourcePath(), "\\bmp\\AutoRL.bmp");
    game.tmeWeiter.fire();  // the transport
    EXPECT_EQ(game.CarPos, 77);
    EXPECT_EQ(game.CarDir, 3);
    EXPECT_EQ(game.PrevPos, 50);
    EXPECT_FALSE(game.pic(51).visible());
    EXPECT_TRUE(game.pic(77).visible());
    EXPECT_EQ(game.pic(77).picture().sourcePath(), "\\bmp\\AutoRL.bmp");
    EXPECT_TRUE(fakes.messages.shown.empty());

    game.tmeWeiter.fire();  // standing on the end cell
    EXPECT_EQ(game.txtGF.text(), "3");
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Herzlichen Glückwunsch!\r\rSie haben das Level: Probefahrt geschafft.");
    EXPECT_EQ(fakes.messages.shown[0].style, 0);
    EXPECT_EQ(fakes.messages.shown[0].title, "Pendix");
    EXPECT_TRUE(timerOffAtMessage);
    EXPECT_EQ(playedWaves(), (QStringList{"\\wav\\gerade.wav", "\\wav\\trans.wav", "\\wav\\applaus.wav"}));
    EXPECT_TRUE(game.pic(77).visible());
}

TEST_F(DriveTest, LossesStopTheTimerBeforeTheirMessageAndTheCarVanishes) {
    struct Case {
        const char* what;
        int startPos, startDir;
        const char* text;
        QStringList waves;
    };
    Cells cells;
    cells[5] = "101";   // heading up from the first row
    cells[30] = "102";  // heading right into the empty 31
    const Case cases[] = {
        {"off the board", 5, 1, "Pendix!\r\rAber wo wollen sie denn hin?!", {}},
        {"cannot enter", 30, 3, "Pendix!\r\rSie haben verloren!", {"\\wav\\pendix.wav"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        start(cells, c.startPos, c.startDir, 399);
        fakes.messages.shown.clear();
        bool timerOffAtMessage = false;
        fakes.onMessage = [&] { timerOffAtMessage = !game.tmeWeiter.enabled(); };
        game.tmeWeiter.fire();
        ASSERT_EQ(fakes.messages.shown.size(), 1u);
        EXPECT_EQ(fakes.messages.shown[0].text, c.text);
        EXPECT_EQ(fakes.messages.shown[0].style, 0);
        EXPECT_EQ(fakes.messages.shown[0].title, "Versuchen sie's doch noch 'mal!");
        EXPECT_TRUE(timerOffAtMessage);
        EXPECT_EQ(playedWaves(), c.waves);
        EXPECT_EQ(game.txtGF.text(), "1");
        EXPECT_EQ(game.CarPos, c.startPos);
        EXPECT_EQ(visibleOverlays(), 0);
    }
}

TEST_F(DriveTest, ACounterThatIsNoNumberCountsOnFromZero) {
    start(transporterRoad(), 50, 3, 77);
    game.txtGF.setText("viele");
    game.tmeWeiter.fire();
    EXPECT_EQ(game.txtGF.text(), "1");
}

}  // namespace
}  // namespace game_test
