#include "file_info.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

bool isReadOnlyFile(const QString& path) {
    const QByteArray native = QFile::encodeName(resolvePath(path));
    struct stat standing {};
    if (::lstat(native.constData(), &standing) != 0 || !S_ISREG(standing.st_mode)) return false;
    if ((standing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

QString generalDateText(const QDateTime& when) {
    const QString date = when.date().toString(QStringLiteral("dd.MM.yyyy"));
    const QTime time = when.time();
    // File times carry milliseconds; the format counts whole seconds.
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0) return date;
    return date + u' ' + time.toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace platform
