#pragma once
// Windows-1252, the code page of the programs' text files (level names, the file
// list), to and from Unicode.
#include <QString>

#include <string>
#include <string_view>

namespace platform {

// Every byte has a character: 0x80..0x9F through the code page's own table, its five
// unassigned bytes as the C1 control characters of the same number (so they survive
// a round trip), all others as Latin-1.
QString fromCp1252(std::string_view bytes);

// Characters the code page lacks become '?' (one per character, also outside the BMP).
std::string toCp1252(QStringView text);

// One character's byte, or -1 when the code page lacks it.
int cp1252Byte(char32_t character);

}  // namespace platform
