#pragma once
// The program folder as the installer fills it: files are addressed by the
// programs' own relative paths ("\bmp\StrasOU.bmp"), written once each, and
// remembered per folder for the file list. Nothing is written through a link or
// outside the folder (see safe_write.h). A path that cannot be written is noted
// and the next goes on.
#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

namespace pendix::installer {

struct ListedFolder {
    QString header;     // "\bmp\deko\" as the file list writes it
    QStringList names;  // in the order they were written
};

class DataFolder {
public:
    explicit DataFolder(const QDir& root);

    // Writes bytes at a program-relative path such as "\wav\kurve.wav" and lists it
    // for the file list. A path that was already written (letter case ignored) is
    // not written again; it must carry the same bytes. False, with the path in
    // unwritten() or a German message in faults(), when it cannot be written.
    bool write(std::string_view relativePath, const QByteArray& bytes);
    // The same for a file that the file list does not name ("\dateien.lst").
    bool writeUnlisted(std::string_view relativePath, const QByteArray& bytes);
    // Notes a path that is left unwritten for a reason of the caller's.
    void noteUnwritten(std::string_view relativePath);
    // Creates an empty folder such as "\lvlneu\".
    bool makeFolder(std::string_view relativeFolder);

    const std::vector<ListedFolder>& folders() const { return folders_; }
    const QDir& root() const { return root_; }
    // The full paths that could not be written, in order, with "/" throughout.
    const QStringList& unwritten() const { return unwritten_; }
    // German messages about the installer's own data.
    const QStringList& faults() const { return faults_; }

private:
    ListedFolder& folderFor(const QString& header);
    bool store(const QString& relativePath, const QByteArray& bytes);

    QDir root_;
    std::vector<ListedFolder> folders_;
    QHash<QString, QByteArray> writtenBytes_;
    QStringList unwritten_;
    QStringList faults_;
};

}  // namespace pendix::installer
