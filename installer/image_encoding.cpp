#include "installer/image_encoding.h"

#include "installer/little_endian.h"

#include <QBuffer>
#include <QImageWriter>

namespace pendix::installer {
QByteArray bmpBytes(const QImage& image) {
    // Qt's BMP writer stores an RGB32 image with 24 bits per pixel.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    writer.write(image.convertToFormat(QImage::Format_RGB32));
    return bytes;
}

QByteArray icoBytes(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const quint32 dibSize = 40 + quint32(w * h * 4) + quint32(maskStride * h);

    QByteArray out;
    appendLe16(out, 0);  // reserved
    appendLe16(out, 1);  // icon
    appendLe16(out, 1);  // one image
    out.append(char(w >= 256 ? 0 : w));
    out.append(char(h >= 256 ? 0 : h));
    out.append(char(0));  // no palette
    out.append(char(0));
    appendLe16(out, 1);   // planes
    appendLe16(out, 32);  // bits per pixel
    appendLe32(out, dibSize);
    appendLe32(out, 6 + 16);

    appendLe32(out, 40);
    appendLe32(out, quint32(w));
    appendLe32(out, quint32(h * 2));  // colour rows and mask rows
    appendLe16(out, 1);
    appendLe16(out, 32);
    appendLe32(out, 0);  // BI_RGB
    appendLe32(out, quint32(w * h * 4) + quint32(maskStride * h));
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, 0);
    appendLe32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x];
            out.append(char(qBlue(p)));
            out.append(char(qGreen(p)));
            out.append(char(qRed(p)));
            out.append(char(qAlpha(p)));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(line[x]) == 0) row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.append(row);
    }
    return out;
}

}  // namespace pendix::installer
