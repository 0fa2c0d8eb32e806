#include "installer/data_folder.h"

#include "installer/safe_write.h"

namespace pendix::installer {
namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// "\bmp\deko\Baum01.bmp" -> header "\bmp\deko\", name "Baum01.bmp".
void splitPath(std::string_view path, QString& header, QString& name) {
    const QString p = fromUtf8(path);
    const qsizetype cut = p.lastIndexOf(QLatin1Char('\\'));
    header = p.left(cut + 1);
    name = p.mid(cut + 1);
}

QString nativeRelative(const QString& path) {
    QString s = path;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (s.startsWith(QLatin1Char('/'))) s.remove(0, 1);
    while (s.endsWith(QLatin1Char('/'))) s.chop(1);
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
    const QString rel = nativeRelative(fromUtf8(relativeFolder));
    if (makeRealFolders(root_.path(), rel)) return true;
    unwritten_ << root_.filePath(rel);
    return false;
}

bool DataFolder::store(const QString& relativePath, const QByteArray& bytes) {
    const QString rel = nativeRelative(relativePath);
    if (replaceFile(root_.path(), rel, bytes)) return true;
    unwritten_ << root_.filePath(rel);
    return false;
}

void DataFolder::noteUnwritten(std::string_view relativePath) {
    unwritten_ << root_.filePath(nativeRelative(fromUtf8(relativePath)));
}

bool DataFolder::writeUnlisted(std::string_view relativePath, const QByteArray& bytes) {
    return store(fromUtf8(relativePath), bytes);
}

bool DataFolder::write(std::string_view relativePath, const QByteArray& bytes) {
    QString header, name;
    splitPath(relativePath, header, name);
    const QString key = (header + name).toLower();
    if (writtenBytes_.contains(key)) {
        // The programs find a file whatever its letter case, so a second name for it
        // must mean the same picture or sound.
        if (writtenBytes_.value(key) == bytes) return true;
        faults_ << QStringLiteral("Zwei verschiedene Dateien tragen den Namen \"%1\".").arg(header + name);
        return false;
    }
    if (!store(header + name, bytes)) return false;
    writtenBytes_.insert(key, bytes);
    folderFor(header).names.push_back(name);
    return true;
}

}  // namespace pendix::installer
