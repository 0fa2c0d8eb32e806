#pragma once
// Module Start: the game's entry point.
namespace pendix::game {

// Shows the main window without waiting (its load handler runs before it
// becomes visible); from then on the program runs on events alone.
void Main();

}  // namespace pendix::game
