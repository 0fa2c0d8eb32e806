#pragma once
// The files of one folder that match a pattern ("*.lvl", several joined by ";"),
// matched and sorted without regard to letter case; hidden files and folders
// are left out. FileName is the selected file's bare name.
#include "platform/controls/list_control.h"

namespace platform {

class FileListBox : public ListControl {
public:
    FileListBox() = default;

    // The folder listed, without a trailing separator (except the root "/").
    const QString& path() const { return props_.path; }
    // Any way of writing a folder ("\", "/", any letter case); a folder that does
    // not exist lists its nearest existing parent. The new list has no selection.
    void setPath(const QString& path);
    const QString& pattern() const { return props_.pattern; }
    void setPattern(const QString& pattern);
    // The selected file's name, or "" when none is selected.
    QString fileName() const { return list(listIndex()); }
    // Reads the folder again (files may have come or gone since); the selected
    // file stays selected while it is still there.
    void refresh();

protected:
    void resetProperties() override;

private:
    QStringList files() const;
    struct Props {
        QString path;
        QString pattern = QStringLiteral("*.*");
    };
    Props props_;
};

// Where a folder list or a file list ends up for a path: the path resolved
// without regard to letter case, or its nearest existing parent folder; always
// without a trailing separator except for the root "/".
QString existingFolderFor(const QString& path);

}  // namespace platform
