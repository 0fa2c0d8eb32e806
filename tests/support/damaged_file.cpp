#include "tests/support/damaged_file.h"

#include "platform/paths.h"
#include "tests/support/printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>

namespace test_support {
namespace {

bool removeEntry(const QString& path) {
    const QFileInfo entry(path);
    if (entry.isDir() && !entry.isSymLink()) return QDir(path).removeRecursively();
    return QFile::remove(path);
}

bool writeGarbage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(garbageBytes()) == garbageBytes().size();
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return out;
}

}  // namespace

const QByteArray& garbageBytes() {
    static const QByteArray bytes = QByteArray("\x00\xff\x13 no picture, no sound \x80\x81\r\n\\[", 31).repeated(20);
    return bytes;
}

const char* damageName(Damage damage) {
    switch (damage) {
    case Damage::Missing: return "missing";
    case Damage::Empty: return "empty";
    case Damage::Garbage: return "garbage";
    case Damage::CutShort: return "cut short";
    case Damage::FolderInstead: return "a folder instead";
    case Damage::FileInstead: return "a file instead";
    }
    return "?";
}

bool damage(std::string_view dataPath, Damage damage) {
    const QString path = platform::resolveDataPath(dataPath);
    if (!QFileInfo::exists(path)) return false;
    QFile file(path);
    switch (damage) {
    case Damage::Missing: return removeEntry(path);
    case Damage::Empty: return file.resize(0);
    case Damage::CutShort: return file.resize(file.size() / 2);
    case Damage::Garbage: return writeGarbage(path);
    case Damage::FolderInstead: return removeEntry(path) && QDir().mkdir(path);
    case Damage::FileInstead: return removeEntry(path) && writeGarbage(path);
    }
    return false;
}

bool breaks(const DamagedFile& damaged, std::string_view file) {
    const std::string broken = lowerAscii(damaged.file), path = lowerAscii(file);
    return path == broken || path.starts_with(broken + "\\");
}

bool breaksItself(const DamagedFile& damaged, std::string_view file) {
    return lowerAscii(damaged.file) == lowerAscii(file);
}

void PrintTo(const DamagedFile& damaged, std::ostream* out) {
    *out << damaged.file << " " << damageName(damaged.damage);
}

std::string caseName(const DamagedFile& damaged) {
    return caseName(std::string(damaged.file) + " " + damageName(damaged.damage));
}

}  // namespace test_support
