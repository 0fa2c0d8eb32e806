#pragma once
// Sequential text files: read a file's first lines within a bound as raw lines,
// write lines with CR LF. Paths are resolved without regard to letter case (see
// paths.h).
#include "platform/files/file_reading.h"

#include <QString>

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// How much of a file a reader takes: its first `lines` lines, reading no further
// than the end of the last of them, and never more than `bytes` bytes. The last
// line asked for must begin its break within the first `bytes` bytes, or the file
// end there; otherwise the file is refused as too long.
struct ReadLimit {
    std::size_t lines;
    std::size_t bytes;
};
inline constexpr std::size_t kAllLines = std::numeric_limits<std::size_t>::max();

struct TextFileRead {
    std::vector<std::string> lines;  // raw bytes per line (Windows-1252 text), line breaks removed
    FileFailure failure = FileFailure::None;
    bool ok() const { return failure == FileFailure::None; }
};

// The file's first lines (see splitLines for the line rule), or why there are
// none. Only a regular file (or a link to one) is opened.
TextFileRead readTextFile(const QString& path, ReadLimit limit);
// The same when the reason does not matter.
std::optional<std::vector<std::string>> readLines(const QString& path, ReadLimit limit);

// Writes the bytes into a temporary file beside `path` and renames it over the old
// file only once all of them stand on disk, so a failed write or a power cut leaves
// the old file as it was. A link standing at `path` is replaced, never written through, so
// nothing outside the folder is touched. 0 on success, else the system's error
// number (errno) of the failure.
int writeFileAtomically(const QString& path, std::string_view bytes);

// Writes every line followed by CR LF, as writeFileAtomically. False on failure.
bool writeLines(const QString& path, const std::vector<std::string>& lines);

}  // namespace platform
