#include "file_info.h"

#include "platform/paths.h"

#include <QFileInfo>

namespace platform {

std::optional<qint64> fileLength(const QString& path) {
    const QFileInfo info(resolvePath(path));
    if (!info.exists() || info.isDir()) return std::nullopt;
    return info.size();
}

std::optional<QDateTime> fileLastChange(const QString& path) {
    const QFileInfo info(resolvePath(path));
    if (!info.exists()) return std::nullopt;
    return info.lastModified();
}

QString generalDateText(const QDateTime& when) {
    const QString date = when.date().toString(QStringLiteral("dd.MM.yyyy"));
    const QTime time = when.time();
    // File times carry milliseconds; the format counts whole seconds.
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0) return date;
    return date + u' ' + time.toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace platform
