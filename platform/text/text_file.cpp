#include "text_file.h"

#include "platform/paths.h"
#include "platform/text/line_split.h"

#include <QSaveFile>

namespace platform {

TextFileRead readTextFile(const QString& path, ReadLimit limit) {
    std::string bytes;
    EnoughBytes enough;
    if (limit.lines != kAllLines)
        enough = [limit](std::string_view read) { return lengthOfLines(read.substr(0, limit.bytes), limit.lines); };
    const FileFailure failure = readRegularFile(resolvePath(path), limit.bytes, bytes, enough);
    if (failure != FileFailure::None) return {{}, failure};
    return {splitLines(bytes), FileFailure::None};
}

std::optional<std::vector<std::string>> readLines(const QString& path, ReadLimit limit) {
    TextFileRead read = readTextFile(path, limit);
    if (!read.ok()) return std::nullopt;
    return std::move(read.lines);
}

bool writeLines(const QString& path, const std::vector<std::string>& lines) {
    QSaveFile file(resolvePath(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const std::string bytes = joinCrLfLines(lines);
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace platform
