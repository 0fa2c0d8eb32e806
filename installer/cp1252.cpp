#include "installer/cp1252.h"

#include <array>
#include <cstdint>

namespace pendix::installer {
namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char encode(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
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
