// The car sits on its street: around it the tile beneath shows through its
// overlay, on a straight street and in a curve, where its box would cover the kerb
// and the grass.
#include "game_window_fixture.h"
#include "shared/board/board.h"
#include "tests/support/overlay_look.h"

namespace game_test {
namespace {

TEST_F(GameWindowTest, TheCarSitsOnTheStraightStreetAndInTheCurve) {
    game.mnuLevel1.click();
    game.cmdLevelStart.click();
    const auto expectOnItsTile = [this](int cell, const char* where) {
        const test_support::OverlayLook look = test_support::lookAtOverlay(game, game.pic(cell));
        EXPECT_EQ(test_support::pixelsOffTheirTile(look, pendix::kBoardGreen), std::vector<std::string>{}) << where;
        EXPECT_EQ(test_support::rimHidingTheTile(look, 2), std::vector<std::string>{}) << where;
    };
    // Level 1 starts on a straight street; the right turn is asked for at once and
    // taken at the first curve, which the car enters in a turn state (5 to 8).
    expectOnItsTile(game.StartPos, "start");
    type(game.cmdLevelStart, '6');
    for (int tick = 0; tick < 25 && game.CarDir <= 4; ++tick) ASSERT_TRUE(game.tmeWeiter.fire());
    ASSERT_GE(game.CarDir, 5);
    ASSERT_TRUE(fakes.messages.shown.empty());
    expectOnItsTile(game.CarPos, "first curve");
}

}  // namespace
}  // namespace game_test
