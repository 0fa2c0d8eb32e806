#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <dirent.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace platform {
namespace {

QString& programFolderOverride() {
    static QString folder;
    return folder;
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

bool exists(const QString& path) {
    std::error_code error;
    return std::filesystem::exists(fsPath(path), error);
}

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

// The entry of `folder` whose name equals `name` but for letter case; of several,
// the first in plain code order, so the answer does not depend on the listing order.
std::optional<QString> caseInsensitiveEntry(const QString& folder, const QString& name, bool needFolder) {
    const std::string wanted = name.toStdString();
    const bool asciiWanted = isAscii(wanted);
    // readdir straight: a folder holds some hundred bitmaps, and this runs for
    // every name asked for in another letter case.
    DIR* listing = ::opendir(folder.toStdString().c_str());
    if (!listing) return std::nullopt;
    std::optional<std::string> best;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view entryName(entry->d_name);
        // Plain ASCII names (nearly all) are compared as bytes.
        const bool same = asciiWanted && isAscii(entryName)
                              ? equalAsciiIgnoringCase(entryName, wanted)
                              : QString::fromUtf8(entryName.data(), static_cast<qsizetype>(entryName.size()))
                                        .compare(name, Qt::CaseInsensitive) == 0;
        if (!same || entryName == "." || entryName == "..") continue;
        if (needFolder && !isFolder(joined(folder, QString::fromUtf8(entry->d_name)))) continue;
        if (!best || entryName < *best) best = std::string(entryName);
    }
    ::closedir(listing);
    if (!best) return std::nullopt;
    return QString::fromStdString(*best);
}

QString resolveUnder(const QString& base, const QStringList& components) {
    QString exact = base;
    for (const QString& component : components) exact = joined(exact, component);
    // Most paths are asked for in their stored case: one look-up settles them.
    if (exists(exact)) return exact;

    QString current = base;
    for (qsizetype i = 0; i < components.size(); ++i) {
        const QString& component = components[i];
        const QString direct = joined(current, component);
        const bool last = i + 1 == components.size();
        // A path goes on only from a folder: the program "Hilfe" lies beside the folder "hilfe".
        if (component == u"." || component == u".." || (last ? exists(direct) : isFolder(direct))) {
            current = direct;
            continue;
        }
        const auto match = caseInsensitiveEntry(current, component, !last);
        if (!match) {
            for (qsizetype j = i; j < components.size(); ++j) current = joined(current, components[j]);
            return current;
        }
        current = joined(current, *match);
    }
    return current;
}

}  // namespace

QString programFolder() {
    const QString& overridden = programFolderOverride();
    if (!overridden.isEmpty()) return overridden;
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString& folder) {
    QString clean = QDir::cleanPath(folder);
    if (folder.isEmpty()) clean.clear();
    programFolderOverride() = clean;
}

QString resolveDataPath(std::string_view dataPath) {
    return resolveUnder(programFolder(), componentsOf(QString::fromUtf8(dataPath.data(), static_cast<qsizetype>(dataPath.size()))));
}

QString resolvePath(const QString& path) {
    QString normal = path;
    normal.replace(u'\\', u'/');
    if (normal.startsWith(u'/')) return resolveUnder(QStringLiteral("/"), componentsOf(normal));
    return resolveUnder(programFolder(), componentsOf(normal));
}

}  // namespace platform
