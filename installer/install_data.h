#pragma once
// Everything tavrik.exe writes into a program folder: pictures, icons, sounds,
// help pages, the built-in levels, the editor's template and, last, the file
// list "\dateien.lst". Needs a QGuiApplication (fonts).
#include <QDir>
#include <QString>
#include <QStringList>

namespace pendix::installer {

struct InstallResult {
    bool ok = false;
    QString message;        // German, one line per problem; empty on success
    QStringList unwritten;  // every path that could not be written, "/" throughout
};

// Writes every file it can; one that fails does not stop the others.
InstallResult installData(const QDir& programFolder);

}  // namespace pendix::installer
