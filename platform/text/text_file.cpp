#include "text_file.h"

#include "platform/paths.h"
#include "platform/text/line_split.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

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

namespace {

// The error of the call that just failed; one that left no number still failed.
int lastError() { return errno != 0 ? errno : EIO; }

}  // namespace

int writeFileAtomically(const QString& path, std::string_view bytes) {
    const QString real = resolvePath(path);
    if (QFileInfo(real).isDir()) return EISDIR;
    QSaveFile file(real);
    errno = 0;
    // Unbuffered: a short write (a full disk) shows here; a buffered one would
    // fail unseen while committing and leave a cut-off file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return lastError();
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(bytes.data(), size) != size) {
        const int error = lastError();
        file.cancelWriting();
        return error;
    }
    errno = 0;
    if (!file.commit()) return lastError();
    return 0;
}

bool writeLines(const QString& path, const std::vector<std::string>& lines) {
    return writeFileAtomically(path, joinCrLfLines(lines)) == 0;
}

}  // namespace platform
