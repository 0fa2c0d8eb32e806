#pragma once
// A level file on disk, as every program that reads or writes one handles it:
// the raw lines through the platform's text reader, the bytes written complete
// or not at all, and the German words for what went wrong.
#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace pendix {

struct LevelFileLines {
    std::vector<std::string> lines;  // raw Windows-1252 bytes per line
    QString problem;                 // German; empty when the lines were read
    bool ok() const { return problem.isEmpty(); }
};

// The file's first 404 lines within the level's byte bound, or why there are
// none (missing, a folder, a pipe or device, unreadable, too long). Whether
// they make a level is the shared line layout's question.
LevelFileLines readLevelFileLines(const QString& path);

// The message box that refuses a level file: it names the file and the problem.
void showUnreadableLevel(const QString& path, const QString& problem);

// Writes a whole level file; the old file is replaced only once the new one is
// complete, and a read-only one not at all. Empty on success, else the German cause.
QString writeLevelFile(const QString& path, std::string_view bytes);

}  // namespace pendix
