#include "text_file.h"

#include "platform/paths.h"
#include "platform/text/line_split.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
