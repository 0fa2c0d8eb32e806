#pragma once
// Length, date of last change and write protection of a file, and the general date format in which
// the windows show a date. Paths are resolved without regard to letter case.
#include <QDateTime>
#include <QString>

#include <optional>

namespace platform {

// Length in bytes; nothing for a missing file or a folder.
std::optional<qint64> fileLength(const QString& path);
// Date and time of the last change, local time; nothing for a missing file.
std::optional<QDateTime> fileLastChange(const QString& path);

// Whether a regular file stands at `path` that is not to be written: it carries
// no write permission at all (which binds even a user the system lets write
// anything), or this process may not write it. A link is taken as itself.
bool isReadOnlyFile(const QString& path);

// The general date format in German: short date, a blank and the long time
// ("24.12.2003 13:45:07"); exactly midnight shows the date alone ("24.12.2003").
QString generalDateText(const QDateTime& when);

}  // namespace platform
