#include "text_file.h"

#include "platform/paths.h"
#include "platform/text/line_split.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace platform {

TextFileRead readTextFile(const QString& path) {
    const QString real = resolvePath(path);
    const QFileInfo info(real);
    if (!info.exists()) return {{}, FileFailure::Missing};
    if (info.isDir()) return {{}, FileFailure::IsFolder};
    QFile file(real);
    if (!file.open(QIODevice::ReadOnly)) return {{}, FileFailure::Unreadable};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {{}, FileFailure::Unreadable};
    return {splitLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))),
            FileFailure::None};
}

std::optional<std::vector<std::string>> readLines(const QString& path) {
    TextFileRead read = readTextFile(path);
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
