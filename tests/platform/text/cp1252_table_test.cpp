#include "platform/text/cp1252_table.h"

#include <gtest/gtest.h>

using platform::cp1252Byte;
using platform::cp1252Character;

TEST(Cp1252Table, TheHighBytesAndTheirCharacters) {
    // 0x80..0x9F in order; the five unassigned bytes are the C1 controls of their number.
    const char16_t high[32] = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
    };
    for (int byte = 0x80; byte <= 0x9F; ++byte) {
        EXPECT_EQ(cp1252Character(static_cast<unsigned char>(byte)), high[byte - 0x80]) << std::hex << byte;
        EXPECT_EQ(cp1252Byte(high[byte - 0x80]), byte) << std::hex << byte;
    }
}

TEST(Cp1252Table, EveryByteSurvivesARoundTrip) {
    for (int byte = 0; byte <= 0xFF; ++byte) {
        const char16_t character = cp1252Character(static_cast<unsigned char>(byte));
        if (byte < 0x80 || byte >= 0xA0) {
            EXPECT_EQ(character, byte) << std::hex << byte;  // ASCII and Latin-1
        }
        EXPECT_EQ(cp1252Byte(character), byte) << std::hex << byte;
    }
}

TEST(Cp1252Table, CharactersTheCodePageLacksHaveNoByte) {
    const char32_t lacking[] = {U'\u0080', U'\u0082', U'\u009F', U'\u0100', U'\u20AD', U'\uFFFD', U'\U0001F697'};
    for (const char32_t character : lacking)
        EXPECT_EQ(cp1252Byte(character), -1) << std::hex << static_cast<unsigned>(character);
    EXPECT_EQ(cp1252Byte(U'\u00E4'), 0xE4);  // ä
    EXPECT_EQ(cp1252Byte(U'\u00DF'), 0xDF);  // ß
    EXPECT_EQ(cp1252Byte(U'\u2122'), 0x99);  // ™
}
