#pragma once
// The rules of the list of installed files "\dateien.lst": a header line opens a
// section, the file lines after it name its files, an empty line closes it. A
// header is a folder ("\bmp\deko\") or a bracketed folder ("[\bmp]", "[]" for the
// program folder itself). Plain C++ on the raw Windows-1252 bytes of each line, so
// the dialog, the tests and the fuzzer share one reading; comparisons are exact.
//
// A list that breaks its own rules (a section left open at the end, a header of
// one character) is read as far as it goes: nothing here fails.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pendix {

// The line without its last character; "" for an empty line.
std::string_view withoutLastChar(std::string_view line);
// The line without its first and its last character; "" for a line shorter than two.
std::string_view withoutFirstAndLastChar(std::string_view line);

// The entry a header line shows in the folder list: a folder header without its
// last character, a bracket header without its first and last; nothing for any
// other line.
std::optional<std::string> sectionName(std::string_view line);

// The entries of every header line, in file order (a name may stand twice).
std::vector<std::string> sectionNames(const std::vector<std::string>& lines);

// The files listed for a chosen folder entry: every non-empty line whose text
// without its last character, or without its first and last, equals the entry
// adds the lines after it up to the next empty line (or the end of the list).
std::vector<std::string> filesOfFolder(const std::vector<std::string>& lines, std::string_view entry);

// Every file that a header lists, as a path below the program folder: a folder
// header's line followed by the file line; a bracket header's entry, "\" and the
// file line. A file listed twice stands twice.
std::vector<std::string> listedFilePaths(const std::vector<std::string>& lines);

// The totals in the list's 16-bit file count and 32-bit byte count; a list with
// more files or bytes than they hold stops at the largest value each can show.
struct FileTotals {
    std::int16_t fileCount = 0;
    std::int32_t totalBytes = 0;
    // Counts one more file of `bytes` bytes (a missing file counts with 0).
    void add(std::int64_t bytes);
};

}  // namespace pendix
