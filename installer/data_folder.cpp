#include "installer/data_folder.h"

#include <QFile>

namespace pendix::installer {
namespace {

// "\bmp\deko\Baum01.bmp" -> header "\bmp\deko\", name "Baum01.bmp".
void splitPath(std::string_view path, QString& header, QString& name) {
    const QString p = QString::fromUtf8(path.data(), qsizetype(path.size()));
    const qsizetype cut = p.lastIndexOf(QLatin1Char('\\'));
    header = p.left(cut + 1);
    name = p.mid(cut + 1);
}

QString nativeRelative(const QString& path) {
    QString s = path;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (s.startsWith(QLatin1Char('/'))) s.remove(0, 1);
    return s;
}

}  // namespace

DataFolder::DataFolder(const QDir& root) : root_(root) {}

ListedFolder& DataFolder::folderFor(const QString& header) {
    for (ListedFolder& f : folders_)
        if (f.header == header) return f;
    folders_.push_back({header, {}});
    return folders_.back();
}

bool DataFolder::makeFolder(std::string_view relativeFolder) {
    const QString rel = nativeRelative(QString::fromUtf8(relativeFolder.data(), qsizetype(relativeFolder.size())));
    if (root_.mkpath(rel)) return true;
    error_ = QStringLiteral("Das Verzeichnis \"%1\" konnte nicht angelegt werden.").arg(root_.filePath(rel));
    return false;
}

bool DataFolder::write(std::string_view relativePath, const QByteArray& bytes) {
    QString header, name;
    splitPath(relativePath, header, name);
    const QString key = (header + name).toLower();
    if (writtenBytes_.contains(key)) {
        // The programs find a file whatever its letter case, so a second name for it
        // must mean the same picture or sound.
        if (writtenBytes_.value(key) == bytes) return true;
        error_ = QStringLiteral("Zwei verschiedene Dateien tragen den Namen \"%1\".").arg(header + name);
        return false;
    }

    const QString folderRel = nativeRelative(header);
    if (!folderRel.isEmpty() && !root_.mkpath(folderRel)) {
        error_ = QStringLiteral("Das Verzeichnis \"%1\" konnte nicht angelegt werden.").arg(root_.filePath(folderRel));
        return false;
    }
    const QString target = root_.filePath(nativeRelative(header + name));
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() || !file.flush()) {
        error_ = QStringLiteral("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(target);
        return false;
    }
    file.close();
    writtenBytes_.insert(key, bytes);
    folderFor(header).names.push_back(name);
    return true;
}

}  // namespace pendix::installer
