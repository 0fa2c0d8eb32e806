#include "dir_list_box.h"

#include "platform/controls/file_list_box.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QStyle>

namespace platform {

void DirListBox::resetProperties() {
    ListControl::resetProperties();
    path_ = existingFolderFor(QDir::currentPath());
    fill(false);
}

void DirListBox::setPath(const QString& path) {
    const QString folder = existingFolderFor(path);
    if (folder == path_) return;
    path_ = folder;
    fill(false);
    if (onChange) onChange();
}

void DirListBox::refresh() {
    if (const QString folder = existingFolderFor(path_); folder != path_) {
        setPath(folder);
        return;
    }
    fill(true);
}

void DirListBox::fill(bool keepSelection) {
    QStringList entries{QStringLiteral("/")};
    for (const QString& part : path_.split(u'/', Qt::SkipEmptyParts))
        entries.append(entries.size() == 1 ? u'/' + part : entries.back() + u'/' + part);
    currentEntry_ = static_cast<int>(entries.size()) - 1;
    const QDir folder(path_);
    for (const QString& name : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        entries.append(path_ == u"/" ? u'/' + name : path_ + u'/' + name);
    if (keepSelection)
        setItemsKeepingSelection(entries);
    else
        setItems(entries);
}

void DirListBox::decorate(QListWidget& widget) const {
    const QIcon open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (int i = 0; i < widget.count(); ++i) {
        QListWidgetItem* item = widget.item(i);
        const QString full = list(i);
        const QString name = i == 0 ? full : full.section(u'/', -1);
        const int depth = i <= currentEntry_ ? i : currentEntry_ + 1;
        item->setText(QString(depth * 2, u' ') + name);
        item->setIcon(i <= currentEntry_ ? open : closed);
    }
}

void DirListBox::opened(int index) {
    if (index >= 0 && index < listCount()) setPath(list(index));
}

}  // namespace platform
