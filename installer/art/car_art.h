#pragma once
// The 25 x 25 overlay pictures: the car in its eight directions (plain and on the
// end cell) and the transporter exit arrows, each on the board green, which the
// board's overlays show as see-through, so that the street beneath shows around them. The editor's paging arrows
// "\bmp\Pfeilr.bmp" and "\bmp\Pfeirl.bmp" name the same files as the left and
// right arrows once letter case is ignored.
#include <QImage>

namespace pendix::installer {

QImage carImage(int direction, bool onEndCell);
QImage exitArrowImage(int direction);

}  // namespace pendix::installer
