#include "text_file.h"

#include "platform/paths.h"
#include "platform/text/file_replace.h"
#include "platform/text/line_split.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace platform {

TextFileRead readTextFile(const QString& path, ReadLimit limit) {
    std::string bytes;
    EnoughBytes enough;
    if (limit.lines != kAllLines)
        enough = [limit](std::string_view read) { return lengthOfLines(read.substr(0, limit.bytes), limit.lines); };
    const FileFailure failure = readFileAt(path, limit.bytes, bytes, enough);
    if (failure != FileFailure::None) return {{}, failure};
    return {splitLines(bytes), FileFailure::None};
}

std::optional<std::vector<std::string>> readLines(const QString& path, ReadLimit limit) {
    TextFileRead read = readTextFile(path, limit);
    if (!read.ok()) return std::nullopt;
    return std::move(read.lines);
}

int writeFileAtomically(const QString& path, std::string_view bytes) {
    const QFileInfo real(resolvePath(path));
    return replaceFile(QFile::encodeName(real.absolutePath()).toStdString(),
                       QFile::encodeName(real.fileName()).toStdString(), bytes, Durability::OnDisk);
}

bool writeLines(const QString& path, const std::vector<std::string>& lines) {
    return writeFileAtomically(path, joinCrLfLines(lines)) == 0;
}

}  // namespace platform
