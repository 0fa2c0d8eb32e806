#pragma once
// Writing below the program folder without ever following a link, so that
// nothing outside it is written. Each folder on the way must be a real folder:
// whatever else stands at its name (a file, a link) is removed and a folder made
// in its place. A file is written to a temporary file in its folder and then
// renamed over whatever stands at its path (a file or a link is replaced, a
// folder in the way is removed first).
#include <QByteArray>
#include <QString>

namespace pendix::installer {

// `relative` names a folder below the existing folder `root`, with "/" ("bmp/deko").
bool makeRealFolders(const QString& root, const QString& relative);
// `relative` names a file below `root` ("bmp/deko/Baum01.bmp"); its folders are made as above.
bool replaceFile(const QString& root, const QString& relative, const QByteArray& bytes);

}  // namespace pendix::installer
