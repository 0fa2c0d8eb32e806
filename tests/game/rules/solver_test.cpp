#include "tests/support/level_solver.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pendix;
using namespace pendix::game;

namespace {

Level levelOf(const std::vector<std::pair<int, const char*>>& tiles, int start, int dir, int end) {
    Level level;
    // Moved in as a string: GCC 12 at -O3 takes copying the literal for an overlapping copy (a false -Wrestrict).
    for (LevelCell& cell : level.cells) cell.tag = std::string("0");
    for (const auto& [cell, tag] : tiles) level.cells[cell].tag = tag;
    level.startPos = static_cast<std::int16_t>(start);
    level.startDir = static_cast<std::int16_t>(dir);
    level.endPos = static_cast<std::int16_t>(end);
    return level;
}

}  // namespace

TEST(LevelSolver, FindsTheShortestPlanWithFewestKeys) {
    // From cell 100 to the right, a junction 110 at 102: straight on reaches the
    // end at 104 in five ticks without a key; the end below the junction needs "6".
    const std::vector<std::pair<int, const char*>> road{{100, "102"}, {101, "102"}, {102, "110"}, {103, "102"},
                                                        {104, "102"}, {127, "101"}, {152, "101"}};
    const auto straight = solver::solve(levelOf(road, 100, 3, 104));
    ASSERT_TRUE(straight);
    EXPECT_EQ(straight->ticks, 5);
    EXPECT_EQ(straight->presses, 0);

    const auto down = solver::solve(levelOf(road, 100, 3, 152));
    ASSERT_TRUE(down);
    EXPECT_EQ(down->ticks, 5);
    EXPECT_EQ(down->presses, 1);
    EXPECT_EQ(down->turns, 1);
    EXPECT_EQ(std::count(down->keys.begin(), down->keys.end(), solver::Key::Right), 1);
}

TEST(LevelSolver, ReportsALevelThatCannotBeWon) {
    EXPECT_FALSE(solver::solve(levelOf({{100, "102"}, {101, "102"}}, 100, 3, 300)));
    // A car stuck in an in-turn state on a straight street never moves.
    EXPECT_FALSE(solver::solve(levelOf({{100, "102"}, {101, "102"}}, 100, 5, 101)));
}
