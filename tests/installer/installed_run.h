#pragma once
// The folders the installer fixture wrote (see run_installer.cmake), and the
// programs' way of finding a file: every path component matched without regard
// to letter case.
#include <QByteArray>
#include <QString>
#include <string_view>

namespace installer_test {

QString firstRun();    // run twice
QString secondRun();   // run once
QString blockedRun();  // the run that had to fail

// The real path of a program-relative path such as "\bmp\Autedlou.bmp", or "".
QString findInFolder(const QString& folder, std::string_view relativePath);
QByteArray readAll(const QString& path);

}  // namespace installer_test
