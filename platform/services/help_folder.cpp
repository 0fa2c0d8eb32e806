#include "help_folder.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

std::optional<QString> helpFolderFile(const QUrl& url, const QString& helpFolder) {
    if (!url.isLocalFile() || helpFolder.isEmpty()) return std::nullopt;
    // Below the folder the help folder lies in, then below the help folder's own
    // name in any letter case, as the programs have always spelt it.
    const QFileInfo folder(helpFolder);
    const QString parent = folder.path().endsWith(u'/') ? folder.path() : folder.path() + u'/';
    const QString path = QDir::cleanPath(url.toLocalFile());  // no "..": it cannot climb out again
    if (!path.startsWith(parent)) return std::nullopt;
    const QString inParent = path.mid(parent.size());
    const qsizetype slash = inParent.indexOf(u'/');
    if (slash <= 0 || inParent.left(slash).compare(folder.fileName(), Qt::CaseInsensitive) != 0) return std::nullopt;

    // Where the names lead, links followed: realpath() looks, it opens nothing.
    const QString realFolder = folder.canonicalFilePath();
    const QString file = QFileInfo(resolvePathIn(helpFolder, inParent.mid(slash + 1))).canonicalFilePath();
    if (realFolder.isEmpty() || !file.startsWith(realFolder + u'/')) return std::nullopt;
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return file;
}

}  // namespace platform
