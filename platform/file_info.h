#pragma once
// Length and date of last change of a file, and the general date format in which
// the windows show a date. Paths are resolved without regard to letter case.
#include <QDateTime>
#include <QString>

#include <optional>

namespace platform {

// Length in bytes; nothing for a missing file or a folder.
std::optional<qint64> fileLength(const QString& path);
// Date and time of the last change, local time; nothing for a missing file.
std::optional<QDateTime> fileLastChange(const QString& path);

// The general date format in German: short date, a blank and the long time
// ("24.12.2003 13:45:07"); exactly midnight shows the date alone ("24.12.2003").
QString generalDateText(const QDateTime& when);

}  // namespace platform
