#pragma once
// The help launcher window's own pictures, "stored with the window": its icon,
// the four corner pictures and the heading's picture, drawn in the look of
// 16-colour images. Each carries the name of the place it stands.
#include "platform/picture.h"

namespace pendix::hilfe {

inline constexpr int kIconSize = 32;
inline constexpr int kCornerSize = 82;
inline constexpr int kHeadingWidth = 222, kHeadingHeight = 30;

// "frmHaupt.Icon": the red car with a question in its speech bubble.
platform::Picture windowIcon();
// "frmHaupt.Picture1" to "frmHaupt.Picture4", for the corners top left, top
// right, bottom left and bottom right: curves of street that open towards the
// list, with the car, a transporter, a tree and the end marker.
platform::Picture cornerPicture(int corner);
// "frmHaupt.Command": the car on its street to the chequered end.
platform::Picture headingPicture();

}  // namespace pendix::hilfe
