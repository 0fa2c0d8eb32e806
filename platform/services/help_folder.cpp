#include "help_folder.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace platform {

std::optional<QString> helpFolderFile(const QUrl& url) {
    if (!url.isLocalFile()) return std::nullopt;
    const QString folder = programFolder();
    const QString path = QDir::cleanPath(url.toLocalFile());  // no "..": it cannot climb out again
    if (folder.isEmpty() || !path.startsWith(folder + u'/')) return std::nullopt;
    const QString inFolder = path.mid(folder.size() + 1);
    const qsizetype slash = inFolder.indexOf(u'/');
    if (slash <= 0 || inFolder.left(slash).compare(u"hilfe", Qt::CaseInsensitive) != 0) return std::nullopt;

    // Where the names lead, links followed: realpath() looks, it opens nothing.
    const QString helpFolder = QFileInfo(resolveFolderPath(folder + QStringLiteral("\\hilfe"))).canonicalFilePath();
    const QString file = QFileInfo(resolvePath(folder + u'\\' + inFolder)).canonicalFilePath();
    if (helpFolder.isEmpty() || !file.startsWith(helpFolder + u'/')) return std::nullopt;
    struct stat info {};
    if (::stat(QFile::encodeName(file).constData(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    return file;
}

}  // namespace platform
