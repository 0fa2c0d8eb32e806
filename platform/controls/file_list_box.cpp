#include "file_list_box.h"

#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

QString existingFolderFor(const QString& path) {
    QString folder = QDir::cleanPath(resolveFolderPath(path.isEmpty() ? QDir::currentPath() : path));
    while (!QFileInfo(folder).isDir() && folder != u"/") folder = QFileInfo(folder).path();
    return folder;
}

void FileListBox::resetProperties() {
    ListControl::resetProperties();
    props_ = Props{};
    props_.path = existingFolderFor(QDir::currentPath());
    setItems(files());
}

void FileListBox::setPath(const QString& path) {
    props_.path = existingFolderFor(path);
    setItems(files());
}

void FileListBox::setPattern(const QString& pattern) {
    props_.pattern = pattern;
    setItems(files());
}

void FileListBox::refresh() { setItemsKeepingSelection(files()); }

QStringList FileListBox::files() const {
    QStringList filters = props_.pattern.split(u';', Qt::SkipEmptyParts);
    for (QString& filter : filters) filter = filter.trimmed();
    if (filters.contains(QStringLiteral("*.*"))) filters = {QStringLiteral("*")};  // every file, with or without a dot
    const QDir folder(props_.path);
    return folder.entryList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

}  // namespace platform
