#include "installer/safe_write.h"

#include "platform/text/file_replace.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace pendix::installer {
namespace {

enum class Standing { Nothing, Folder, Other };

// What stands at a path, a link taken as itself.
Standing standingAt(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) return errno == ENOENT ? Standing::Nothing : Standing::Other;
    return S_ISDIR(info.st_mode) ? Standing::Folder : Standing::Other;
}

// Removes a file, a link (not what it points to) or a whole folder.
bool removeEntry(const QByteArray& path) {
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(path.toStdString()), error);
    return !error;
}

bool makeRealFolder(const QByteArray& path) {
    switch (standingAt(path)) {
    case Standing::Folder: return true;
    case Standing::Other:
        if (!removeEntry(path)) return false;
        break;
    case Standing::Nothing: break;
    }
    return ::mkdir(path.constData(), 0777) == 0;
}

}  // namespace

bool makeRealFolders(const QString& root, const QString& relative) {
    QString current = root;
    for (const QString& part : relative.split(u'/', Qt::SkipEmptyParts)) {
        current += u'/' + part;
        if (!makeRealFolder(QFile::encodeName(current))) return false;
    }
    return true;
}

bool replaceFile(const QString& root, const QString& relative, const QByteArray& bytes) {
    const qsizetype cut = relative.lastIndexOf(u'/');
    const QString folderPart = cut < 0 ? QString() : relative.left(cut);
    const QString name = relative.mid(cut + 1);
    if (name.isEmpty() || !makeRealFolders(root, folderPart)) return false;
    const QString folder = folderPart.isEmpty() ? root : root + u'/' + folderPart;

    const QByteArray target = QFile::encodeName(folder + u'/' + name);
    if (standingAt(target) == Standing::Folder && !removeEntry(target)) return false;
    // Some hundred files, and a second run writes them all again: waiting for the
    // disk at each one would make the installation take seconds instead of a blink.
    return platform::replaceFile(QFile::encodeName(folder).toStdString(), QFile::encodeName(name).toStdString(),
                                 std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                 platform::Durability::Cached) == 0;
}

}  // namespace pendix::installer
