#pragma once
// Everything tavrik.exe writes into a program folder: pictures, icons, sounds,
// help pages, the built-in levels, the editor's template and, last, the file
// list "\dateien.lst". Needs a QGuiApplication (fonts).
#include <QDir>
#include <QString>

namespace pendix::installer {

struct InstallResult {
    bool ok = false;
    QString message;  // German; empty on success
};

InstallResult installData(const QDir& programFolder);

}  // namespace pendix::installer
