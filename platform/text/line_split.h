#pragma once
// Splitting a text file's bytes into lines and joining lines for writing, as the
// programs' sequential files need it. Plain C++ so the level reader, the file list
// and their fuzzers can use it without Qt.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The lines of a file's bytes, each without its line break. CR LF ends a line;
// a lone CR or a lone LF does too. The break after the last line starts no further
// line: "a\r\n" is one line, "a\r\n\r\n" is "a" and an empty line, "" is no line.
std::vector<std::string> splitLines(std::string_view bytes);

// How many bytes the first `count` lines take, the break that ends the last of
// them included (a CR that ends the bytes ends its line); nothing when the bytes
// do not yet end that many lines. splitLines of that much gives `count` lines.
std::optional<std::size_t> lengthOfLines(std::string_view bytes, std::size_t count);

// Each line followed by CR LF: what the programs write.
std::string joinCrLfLines(const std::vector<std::string>& lines);

}  // namespace platform
