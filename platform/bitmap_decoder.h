#pragma once
// The programs' own bitmaps decoded straight from their bytes: every tile, car
// and animation frame is one.
#include <QImage>

#include <string_view>

namespace platform {

// An uncompressed 24-bit bitmap in the screen's own pixel format; a null image
// for any other file (picture.cpp then hands it to Qt's readers).
QImage decodePlainBitmap(std::string_view bytes);

}  // namespace platform
