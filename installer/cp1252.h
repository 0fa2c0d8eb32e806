#pragma once
// UTF-8 to Windows-1252, the code page of the level names and the file list.
// Characters outside the code page (the platform's one table) become "?".
#include <string>
#include <string_view>

namespace pendix::installer {

std::string utf8ToCp1252(std::string_view utf8);

}  // namespace pendix::installer
