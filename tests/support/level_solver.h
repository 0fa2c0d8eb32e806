#pragma once
// Finds the shortest way to win a level: which key the player presses before each
// tick of the step timer, under the game's own car step.
#include "game/rules/car_step.h"
#include "game/rules/level_reader.h"

#include <optional>
#include <vector>

namespace pendix::game::solver {

enum class Key { None, Left, Right };  // nothing, "4" (TurnLeft), "6" (TurnRight)

struct Plan {
    std::vector<Key> keys;  // one entry before each tick, the winning tick included
    int ticks = 0;          // the steps the level takes; the fields counter then shows this
    int presses = 0;        // keys pressed
    int turns = 0;          // requests a turn table used up
};

BoardTags boardTags(const Level& level);

// The state right after "Level - Start" (both requests 0, PrevPos 0).
DriveState startState(const Level& level);

// The key applied to the car's requests, as the game's key handler does it.
Car pressed(Car car, Key key);

// Fewest ticks, then fewest key presses; nullopt when no plan wins.
std::optional<Plan> solve(const Level& level);

}  // namespace pendix::game::solver
