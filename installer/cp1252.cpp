#include "installer/cp1252.h"

#include "platform/text/cp1252_table.h"

namespace pendix::installer {
namespace {

char encode(char32_t cp) {
    const int byte = platform::cp1252Byte(cp);
    return byte < 0 ? '?' : static_cast<char>(byte);
}

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 0;
}

}  // namespace

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int len = sequenceLength(lead);
        if (len == 0 || i + len > utf8.size()) {
            out.push_back('?');
            ++i;
            continue;
        }
        char32_t cp = len == 1 ? lead : lead & (0x7F >> len);
        bool valid = true;
        for (int k = 1; k < len; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (b & 0x3F);
        }
        if (!valid) {
            out.push_back('?');
            ++i;
            continue;
        }
        out.push_back(encode(cp));
        i += len;
    }
    return out;
}

}  // namespace pendix::installer
