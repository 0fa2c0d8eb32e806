#include "installer/safe_write.h"

#include <QFile>
#include <QRandomGenerator>

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

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        left -= written;
    }
    return true;
}

// A new file beside the target that nobody else uses; its descriptor, or -1.
int createTemporary(const QString& folder, const QString& name, QByteArray& temporary) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate64(), 36);
        temporary = QFile::encodeName(folder + QStringLiteral("/.") + name + u'.' + suffix);
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
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

    QByteArray temporary;
    const int fd = createTemporary(folder, name, temporary);
    if (fd < 0) return false;
    bool done = writeAll(fd, bytes);
    done = ::close(fd) == 0 && done;
    const QByteArray target = QFile::encodeName(folder + u'/' + name);
    if (done && standingAt(target) == Standing::Folder) done = removeEntry(target);
    // rename replaces a file or a link itself, never what a link points to.
    if (done && ::rename(temporary.constData(), target.constData()) == 0) return true;
    ::unlink(temporary.constData());
    return false;
}

}  // namespace pendix::installer
