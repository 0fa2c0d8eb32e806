#pragma once
// "\dateien.lst": one section per folder, each a header, its file lines and a
// closing empty line; CR LF, Windows-1252. The program folder's own files stand
// in a bracket section "[]".
#include "installer/data_folder.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

namespace pendix::installer {

// Empty when the list would break the format (a file name that reads as a header
// or is shorter than two characters, or more lines than the reader takes).
QByteArray fileListBytes(const QStringList& programFiles, const std::vector<ListedFolder>& folders);

}  // namespace pendix::installer
