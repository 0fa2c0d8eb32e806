#pragma once
// The program folder as the installer fills it: files are addressed by the
// programs' own relative paths ("\bmp\StrasOU.bmp"), written once each, and
// remembered per folder for the file list.
#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

namespace pendix::installer {

struct ListedFolder {
    QString header;      // "\bmp\deko\" as the file list writes it
    QStringList names;  // in the order they were written
};

class DataFolder {
public:
    explicit DataFolder(const QDir& root);

    // Writes bytes at a program-relative path such as "\wav\kurve.wav". A path that
    // was already written (letter case ignored) is not written again; it must carry
    // the same bytes. False and a German message in error() when a folder or the
    // file cannot be written.
    bool write(std::string_view relativePath, const QByteArray& bytes);
    // Creates an empty folder such as "\lvlneu\".
    bool makeFolder(std::string_view relativeFolder);

    const std::vector<ListedFolder>& folders() const { return folders_; }
    const QDir& root() const { return root_; }
    QString error() const { return error_; }

private:
    ListedFolder& folderFor(const QString& header);

    QDir root_;
    std::vector<ListedFolder> folders_;
    QHash<QString, QByteArray> writtenBytes_;
    QString error_;
};

}  // namespace pendix::installer
