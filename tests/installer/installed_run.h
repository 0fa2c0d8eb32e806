#pragma once
// The folders the installer fixture wrote (see run_installer.cmake), and the
// programs' way of finding a file: every path component matched without regard
// to letter case.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string_view>

namespace installer_test {

QString firstRun();       // run twice
QString secondRun();      // run once
QString hostileRun();     // links, files and folders stood in the way
QString fullRun();        // no file above 4 KiB could be written: the run had to fail
QString outsideFolder();  // what the hostile run's links point to

// The real path of a program-relative path such as "\bmp\Autedlou.bmp", or "".
QString findInFolder(const QString& folder, std::string_view relativePath);
QByteArray readAll(const QString& path);
// Every entry below a folder, hidden ones included, as sorted relative paths.
QStringList entriesBelow(const QString& folder);
// A folder or a regular file that is no link.
bool isRealFolder(const QString& path);
bool isRealFile(const QString& path);

}  // namespace installer_test
