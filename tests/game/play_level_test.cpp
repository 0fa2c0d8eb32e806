// Level 1 played through the window from start to finish: the menu, the start
// button, the solver's keys typed into the focused button, the ticks of the step timer.
#include "game/rules/level_reader.h"
#include "game_window_fixture.h"
#include "platform/files/cp1252.h"
#include "platform/files/text_file.h"
#include "platform/paths.h"
#include "tests/support/level_solver.h"

namespace game_test {
namespace {

TEST_F(GameWindowTest, LevelOneIsWonThroughTheWindow) {
    const auto file = platform::readTextFile(platform::programFolder() + "\\lev1-9\\level1.lev",
                                             {pendix::kLevelLineCount, pendix::kLevelFileMaxBytes});
    ASSERT_TRUE(file.ok());
    const pendix::game::LevelRead read = pendix::game::readLevel(file.lines);
    ASSERT_TRUE(read.ok());
    const auto plan = pendix::game::solver::solve(read.level);
    ASSERT_TRUE(plan.has_value());
    ASSERT_GT(plan->presses, 0);  // the level needs the player

    game.mnuLevel1.click();
    game.cmdLevelStart.click();
    ASSERT_TRUE(game.tmeWeiter.enabled());
    for (const pendix::game::solver::Key key : plan->keys) {
        ASSERT_TRUE(fakes.messages.shown.empty());
        if (key == pendix::game::solver::Key::Left) type(game.cmdLevelStart, '4');
        if (key == pendix::game::solver::Key::Right) type(game.cmdLevelStart, '6');
        ASSERT_TRUE(game.tmeWeiter.fire());
    }

    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    const QString name = platform::fromCp1252(read.level.name);
    EXPECT_EQ(fakes.messages.shown[0].text, "Herzlichen Glückwunsch!\r\rSie haben das Level: " + name + " geschafft.");
    EXPECT_EQ(fakes.messages.shown[0].title, "Pendix");
    EXPECT_FALSE(game.tmeWeiter.enabled());

    // One wave per move, then the applause: the counter shows the moves plus the winning tick.
    const QStringList waves = playedWaves();
    ASSERT_FALSE(waves.isEmpty());
    EXPECT_EQ(waves.back(), "\\wav\\applaus.wav");
    const auto moves = waves.count("\\wav\\gerade.wav") + waves.count("\\wav\\kurve.wav");
    EXPECT_EQ(moves, plan->ticks - 1);
    EXPECT_EQ(game.txtGF.text(), QString::number(moves + 1));

    EXPECT_EQ(game.CarPos, game.EndPos);
    EXPECT_TRUE(game.pic(game.EndPos).visible());
    EXPECT_TRUE(game.pic(game.EndPos).picture().sourcePath().startsWith("\\bmp\\Aute"));
    EXPECT_FALSE(game.pic(game.EndPos).picture().isEmpty());
}

}  // namespace
}  // namespace game_test
