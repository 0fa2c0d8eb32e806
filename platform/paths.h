#pragma once
// Where the programs' files are. Every file is addressed as the program folder
// followed by a fixed relative path written with backslashes ("\bmp\AutoOU.bmp");
// the stored names differ in letter case from one use to another, so every
// component is matched without regard to letter case.
//
// Every platform function that takes a path (pictures, text files, file info,
// help, waves, programs) resolves it this way itself; windows pass paths as they
// build them.
#include <QByteArray>
#include <QString>

#include <string_view>

namespace platform {

// The platform's separator, which stands wherever a window joins a folder and a
// file for the user to see (the level chooser's path label).
inline constexpr QChar kPathSeparator = u'/';

// The folder of the running program, without a trailing separator.
QString programFolder();
// Tests point the program folder at a fixture folder; an empty folder restores
// the running program's own.
void setProgramFolder(const QString& folder);

// A data path ("\bmp\AutoOU.bmp", UTF-8, "\" or "/" as separators) as a real path
// under the program folder. Returns the exact-case path of an existing file or
// folder; otherwise the best-effort join: the components found so far in their
// real case, the rest as written. Where several entries of a folder match a
// component, a folder is taken where the path goes on and a regular file for
// the last component, before any entry of another kind; of those, the exact
// spelling first ("Hilfe" the program beside "hilfe" the folder: "\hilfe\pendix.hlp"
// and "\Hilfe\pendix.hlp" both find the help file).
QString resolveDataPath(std::string_view dataPath);

// The same for a path a window hands over: the program folder followed by a data
// path (programFolder() + "\LVLNEU"), or a data path relative to the program
// folder. Any other full path ("/home/x/lvlneu/a\b.lvl", as the level chooser
// hands it back) is a real path and stands as it is. The result has "/" as its
// separator and is what messages show.
QString resolvePath(const QString& path);
// The same for a path that names a folder: its last component, too, is preferably a folder.
QString resolveFolderPath(const QString& path);
// The same for a path relative to a real folder ("bilder/Auto.bmp" in the help
// folder): each component matched without regard to letter case.
QString resolvePathIn(const QString& folder, const QString& relative);

// The first guess of those look-ups, made without reading the disk, as native
// bytes for the system: the path as written, "/" between its components. The
// look-up gives exactly this whenever it names a regular file.
QByteArray dataPathAsWritten(std::string_view dataPath);
QByteArray pathAsWritten(const QString& path);

}  // namespace platform
