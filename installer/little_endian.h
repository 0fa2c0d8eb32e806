#pragma once
// Appending little-endian fields, as the BMP, ICO and WAVE headers store them.
#include <QByteArray>
#include <QtEndian>

namespace pendix::installer {

inline void appendLe16(QByteArray& out, quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

inline void appendLe32(QByteArray& out, quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

}  // namespace pendix::installer
