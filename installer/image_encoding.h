#pragma once
// File bytes of the installer's pictures: BMP with 24 bits per pixel, and ICO
// with one 32-bit image carrying its alpha channel and the matching AND mask.
#include <QByteArray>
#include <QImage>

namespace pendix::installer {

QByteArray bmpBytes(const QImage& image);
QByteArray icoBytes(const QImage& image);

}  // namespace pendix::installer
