#pragma once
// Windows-1252, the code page of the programs' text files (level names, the file
// list), as one table for every program and the installer. Every byte has a
// character: 0x80..0x9F through the code page's own table, its five unassigned
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) as the C1 control characters of the same
// number, so they survive a round trip; all others as Latin-1. Plain C++.

namespace platform {

// The character of a byte.
char16_t cp1252Character(unsigned char byte);

// A character's byte, or -1 when the code page lacks it.
int cp1252Byte(char32_t character);

}  // namespace platform
