#include "cp1252.h"

#include <QList>

namespace platform {

QString fromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) text.append(QChar(cp1252Character(static_cast<unsigned char>(c))));
    return text;
}

std::string toCp1252(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t character : text.toUcs4()) {
        const int byte = cp1252Byte(character);
        bytes.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

}  // namespace platform
