#pragma once
// Windows-1252, the code page of the programs' text files (level names, the file
// list), to and from Qt's text, on the one table of cp1252_table.h (which also
// gives a single character's byte).
#include "platform/text/cp1252_table.h"

#include <QString>

#include <string>
#include <string_view>

namespace platform {

// Every byte has a character (see cp1252_table.h).
QString fromCp1252(std::string_view bytes);

// Characters the code page lacks become '?' (one per character, also outside the BMP).
std::string toCp1252(QStringView text);

}  // namespace platform
