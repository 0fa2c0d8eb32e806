#pragma once
// One file or folder of a program folder broken on purpose, the way a damaged
// installation breaks it: gone, emptied, overwritten with bytes of no known
// format, cut off halfway, or replaced by a thing of the other kind (a folder
// where a file should be, a file where a folder should be). The damaged-data
// tests of every program break one thing at a time with it.
#include <QByteArray>
#include <QString>

#include <ostream>
#include <string>
#include <string_view>

namespace test_support {

enum class Damage { Missing, Empty, Garbage, CutShort, FolderInstead, FileInstead };

// Bytes of no known format: not a bitmap, icon, wave, help page, level or list.
const QByteArray& garbageBytes();

// "missing", "empty", "garbage", ...
const char* damageName(Damage damage);

// Breaks what the data path (as the programs write it, "\bmp\StrasRL.bmp") names
// below the program folder in force; false when there is nothing there to break.
bool damage(std::string_view dataPath, Damage damage);

// One broken thing: a case of a damaged-data table.
struct DamagedFile {
    const char* file;  // as the programs name it
    Damage damage;
};
void PrintTo(const DamagedFile& damaged, std::ostream* out);
// The broken thing as a parameterised case's name: "bmp_StrasRL_bmp_missing".
std::string caseName(const DamagedFile& damaged);

// Whether the broken thing is this file (a data path) or a folder it lies in,
// names compared without regard to letter case.
bool breaks(const DamagedFile& damaged, std::string_view file);
// Whether the broken thing is this very file, not a folder it lies in.
bool breaksItself(const DamagedFile& damaged, std::string_view file);

}  // namespace test_support
