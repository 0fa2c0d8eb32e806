#pragma once
// The installer's report as a message box shows it: the first lines of the full
// report, and how many more stand on the error output.
#include <QString>

namespace pendix::installer {

QString reportBoxText(const QString& message, int maxLines);

}  // namespace pendix::installer
