#pragma once
// Sequential text files: read a file completely as raw lines, write lines with
// CR LF. Paths are resolved without regard to letter case (see paths.h).
#include <QString>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class FileFailure { None, Missing, IsFolder, Unreadable };

struct TextFileRead {
    std::vector<std::string> lines;  // raw bytes per line (Windows-1252 text), line breaks removed
    FileFailure failure = FileFailure::None;
    bool ok() const { return failure == FileFailure::None; }
};

// The file's lines (see splitLines for the line rule), or why there are none.
TextFileRead readTextFile(const QString& path);
// The same when the reason does not matter.
std::optional<std::vector<std::string>> readLines(const QString& path);

// Writes the bytes into a temporary file beside `path` and renames it over the old
// file only once all of them stand on disk, so a failed write leaves the old file
// as it was. 0 on success, else the system's error number (errno) of the failure.
int writeFileAtomically(const QString& path, std::string_view bytes);

// Writes every line followed by CR LF, as writeFileAtomically. False on failure.
bool writeLines(const QString& path, const std::vector<std::string>& lines);

}  // namespace platform
