#pragma once
// Which animated kind a tile button's Tag stands for. The Tag is compared as a
// number ("0801" is code 801); a Tag that does not read as a number as a whole
// (a damaged level line) stands for no kind, so it never animates.
#include <QStringView>

namespace pendix {

// 1..21 for a Tag whose value is 801..821, else 0.
int animatedKindOfTag(QStringView tag);

}  // namespace pendix
