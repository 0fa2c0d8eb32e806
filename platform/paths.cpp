#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <dirent.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <tuple>
#include <vector>

namespace platform {
namespace {

// The program folder in both forms: as text, and as the system's bytes, which
// every file opened under it starts with.
struct FolderNames {
    QString folder;
    QByteArray native;
};

// The folder tests point the programs at; empty for the running program's own.
FolderNames& programFolderOverride() {
    static FolderNames names;
    return names;
}

const FolderNames& programFolderNames() {
    if (const FolderNames& overridden = programFolderOverride(); !overridden.folder.isEmpty()) return overridden;
    static const FolderNames none;
    if (!QCoreApplication::instance()) return none;
    // The running program's folder does not change while it runs.
    static const FolderNames own = [] {
        const QString folder = QCoreApplication::applicationDirPath();
        return FolderNames{folder, QFile::encodeName(folder)};
    }();
    return own;
}

QStringList componentsOf(const QString& path) {
    QString normal = path;
    normal.replace(u'\\', u'/');
    return normal.split(u'/', Qt::SkipEmptyParts);
}

QString joined(const QString& base, const QString& name) {
    return base.endsWith(u'/') ? base + name : base + u'/' + name;
}

std::filesystem::path fsPath(const QString& path) { return std::filesystem::path(path.toStdString()); }

bool isFolder(const QString& path) {
    std::error_code error;
    return std::filesystem::is_directory(fsPath(path), error);
}

bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalAsciiIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

bool isRegularFile(const QString& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(fsPath(path), error);
}

// What a path component must be: a folder where the path goes on from it, else
// (the last component) preferably a regular file.
enum class Wanted { Folder, File };

bool isWanted(const QString& path, Wanted wanted) {
    return wanted == Wanted::Folder ? isFolder(path) : isRegularFile(path);
}

// The entry of `folder` whose name equals `name` but for letter case. Of several,
// one of the wanted kind before any other, the exact spelling first, then the
// first in plain code order, so the answer does not depend on the listing order.
std::optional<QString> caseInsensitiveEntry(const QString& folder, const QString& name, Wanted wanted) {
    const std::string exact = name.toStdString();
    const bool asciiWanted = isAscii(exact);
    struct Candidate {
        std::string name;
        bool wantedKind;
    };
    std::vector<Candidate> candidates;
    // readdir straight: a folder holds some hundred bitmaps, and this runs for
    // every name asked for in another letter case.
    DIR* listing = ::opendir(folder.toStdString().c_str());
    if (!listing) return std::nullopt;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view entryName(entry->d_name);
        // Plain ASCII names (nearly all) are compared as bytes.
        const bool same = asciiWanted && isAscii(entryName)
                              ? equalAsciiIgnoringCase(entryName, exact)
                              : QString::fromUtf8(entryName.data(), static_cast<qsizetype>(entryName.size()))
                                        .compare(name, Qt::CaseInsensitive) == 0;
        if (!same || entryName == "." || entryName == "..") continue;
        candidates.push_back(
            {std::string(entryName), isWanted(joined(folder, QString::fromUtf8(entry->d_name)), wanted)});
    }
    ::closedir(listing);
    if (candidates.empty()) return std::nullopt;
    const auto rank = [&](const Candidate& c) { return std::tuple(!c.wantedKind, c.name != exact, c.name); };
    const auto best = std::min_element(candidates.begin(), candidates.end(),
                                       [&](const Candidate& a, const Candidate& b) { return rank(a) < rank(b); });
    return QString::fromStdString(best->name);
}

QString resolveUnder(const QString& base, const QStringList& components, Wanted last) {
    QString exact = base;
    for (const QString& component : components) exact = joined(exact, component);
    // Most paths are asked for in their stored case: one look-up settles them.
    if (isWanted(exact, last)) return exact;

    QString current = base;
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString& component = components[i];
        const QString direct = joined(current, component);
        const Wanted wanted = i + 1 == components.size() ? last : Wanted::Folder;
        if (component == u"." || component == u".." || isWanted(direct, wanted)) {
            current = direct;
            continue;
        }
        const auto match = caseInsensitiveEntry(current, component, wanted);
        if (!match) {
            for (qsizetype j = i; j < components.size(); ++j) current = joined(current, components[j]);
            return current;
        }
        current = joined(current, *match);
    }
    return current;
}

// The programs' own paths are the program folder followed by a data path
// ("…\lev1-9\level1.lev"), or a data path alone; any other full path (the level
// chooser's answer) names a real file as it stands, a "\" in it being part of a name.
QString resolveAny(const QString& path, Wanted last) {
    const QString folder = programFolder();
    if (!path.startsWith(u'/')) return resolveUnder(folder, componentsOf(path), last);
    if (path.startsWith(folder + u'\\')) return resolveUnder(folder, componentsOf(path.mid(folder.size())), last);
    return path;
}

// Appends each non-empty component of `relative` ("\\" or "/" between them) with
// one "/" before it: the join that resolveUnder tries first.
void appendComponents(QByteArray& path, const QByteArray& relative) {
    qsizetype at = 0;
    while (at < relative.size()) {
        qsizetype end = at;
        while (end < relative.size() && relative[end] != '/' && relative[end] != '\\') ++end;
        if (end > at) {
            if (!path.endsWith('/')) path += '/';
            path.append(relative.constData() + at, end - at);
        }
        at = end + 1;
    }
}

QByteArray joinedAsWritten(const QByteArray& folder, const QString& relative) {
    const QByteArray rest = QFile::encodeName(relative);
    QByteArray path;
    path.reserve(folder.size() + rest.size() + 1);
    path += folder;
    appendComponents(path, rest);
    return path;
}

}  // namespace

QString programFolder() { return programFolderNames().folder; }

void setProgramFolder(const QString& folder) {
    QString clean = QDir::cleanPath(folder);
    if (folder.isEmpty()) clean.clear();
    programFolderOverride() = {clean, QFile::encodeName(clean)};
}

QString resolveDataPath(std::string_view dataPath) {
    return resolveUnder(programFolder(),
                        componentsOf(QString::fromUtf8(dataPath.data(), static_cast<qsizetype>(dataPath.size()))),
                        Wanted::File);
}

QString resolvePath(const QString& path) { return resolveAny(path, Wanted::File); }

QString resolveFolderPath(const QString& path) { return resolveAny(path, Wanted::Folder); }

QString resolvePathIn(const QString& folder, const QString& relative) {
    return resolveUnder(folder, componentsOf(relative), Wanted::File);
}

QByteArray dataPathAsWritten(std::string_view dataPath) {
    const QByteArray& folder = programFolderNames().native;
    // Plain ASCII (every data path the programs build) is its own native form.
    if (!isAscii(dataPath))
        return joinedAsWritten(folder, QString::fromUtf8(dataPath.data(), static_cast<qsizetype>(dataPath.size())));
    QByteArray path;
    path.reserve(folder.size() + static_cast<qsizetype>(dataPath.size()) + 1);
    path += folder;
    appendComponents(path, QByteArray::fromRawData(dataPath.data(), static_cast<qsizetype>(dataPath.size())));
    return path;
}

// The cases of resolveAny, without its look-ups.
QByteArray pathAsWritten(const QString& path) {
    const FolderNames& folder = programFolderNames();
    if (!path.startsWith(u'/')) return joinedAsWritten(folder.native, path);
    if (path.startsWith(folder.folder + u'\\')) return joinedAsWritten(folder.native, path.mid(folder.folder.size()));
    return QFile::encodeName(path);
}

}  // namespace platform
