#pragma once
// Module Start: the game's start-up routine, which main() calls.
namespace pendix::game {

// Shows the main window under the wait cursor, without waiting (its load handler
// runs before it becomes visible); from then on the program runs on events alone.
void Main();

}  // namespace pendix::game
