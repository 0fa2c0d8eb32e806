#pragma once
// Which tile picture a cell line's value draws, the same in the game and the
// editor. Plain C++.

namespace pendix {

// The catalogue code 101..821 that the value stands for exactly, or 0. A bare
// transporter code draws nothing: only a linked transporter's line draws one.
int drawnTileCode(double value);

// A value that stands for a plain street 101..111 exactly: the only tiles a car
// can start on, end on or be carried to.
bool isPlainStreetValue(double value);

}  // namespace pendix
