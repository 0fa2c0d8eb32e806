#pragma once
// What the editor accepts as a typed file name and as a level name. A file name
// must stay a plain name inside "\lvlneu\"; a level name must survive as the
// first line of a Windows-1252 level file. Plain C++ on Unicode text.
#include <optional>
#include <string_view>

namespace pendix::editor {

enum class FileNameProblem { None, Separator, ControlCharacter, OnlyDots, BrokenCharacter };

// A Save As answer (UTF-16, as the input box gives it) that would reach outside
// the folder ("/" or "\"), hold a control character, be only dots (a folder's
// name, not a file's), or hold half a character (a surrogate without its other
// half), which no file name can hold: it would be written under another name.
FileNameProblem fileNameProblem(std::u16string_view answer);

// The first character of a level name that a level file cannot hold as typed:
// a CR or LF would end the name line and shift every cell, and any other
// character without a Windows-1252 byte would be stored as something else.
std::optional<char32_t> unstorableNameCharacter(std::u32string_view name);

}  // namespace pendix::editor
