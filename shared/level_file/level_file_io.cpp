#include "shared/level_file/level_file_io.h"

#include "platform/files/file_info.h"
#include "platform/files/text_file.h"
#include "platform/paths.h"
#include "platform/services/services.h"
#include "shared/level_format/level_lines.h"

#include <cerrno>

namespace pendix {
namespace {

QString readProblem(platform::FileFailure failure) {
    switch (failure) {
    case platform::FileFailure::Missing: return QStringLiteral("Die Datei gibt es nicht.");
    case platform::FileFailure::IsFolder: return QStringLiteral("Das ist ein Verzeichnis, keine Level-Datei.");
    case platform::FileFailure::IsPipe: return QStringLiteral("Das ist eine Pipe, keine Level-Datei.");
    case platform::FileFailure::IsDevice: return QStringLiteral("Das ist ein Gerät, keine Level-Datei.");
    case platform::FileFailure::TooLong:
        return QStringLiteral("Die Datei hat in ihren ersten %1 Bytes keine %2 Zeilen: Das ist keine Level-Datei.")
            .arg(kLevelFileMaxBytes)
            .arg(kLevelLineCount);
    default: return QStringLiteral("Die Datei lässt sich nicht lesen.");
    }
}

QString writeProblem(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("Auf dem Datenträger ist nicht genug Platz.");
    case EFBIG: return QStringLiteral("Die Datei wäre größer, als das System erlaubt.");
    case EACCES:
    case EPERM: return QStringLiteral("Es fehlt die Berechtigung, dort zu schreiben.");
    case EROFS: return QStringLiteral("Der Datenträger ist schreibgeschützt.");
    case ENAMETOOLONG: return QStringLiteral("Der Datei - Name ist zu lang.");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("Das Verzeichnis gibt es nicht.");
    case EISDIR: return QStringLiteral("Unter diesem Namen gibt es schon ein Verzeichnis.");
    case EINVAL:
    case EILSEQ: return QStringLiteral("Das Dateisystem nimmt diesen Datei - Namen nicht an.");
    default: return QStringLiteral("Die Datei lässt sich nicht schreiben (Systemfehler %1).").arg(error);
    }
}

}  // namespace

LevelFileLines readLevelFileLines(const QString& path) {
    platform::TextFileRead file = platform::readTextFile(path, {kLevelLineCount, kLevelFileMaxBytes});
    if (!file.ok()) return {{}, readProblem(file.failure)};
    return {std::move(file.lines), {}};
}

void showUnreadableLevel(const QString& path, const QString& problem) {
    platform::messageBox(QStringLiteral("Das Level konnte nicht eingelesen werden:\r") + platform::resolvePath(path) +
                             QStringLiteral("\r\r") + problem,
                         platform::MsgBoxStyle::Exclamation, QStringLiteral("Level nicht lesbar"));
}

QString writeLevelFile(const QString& path, std::string_view bytes) {
    // The folder would let a new file take its name, but the user protected this one.
    if (platform::isReadOnlyFile(path)) return QStringLiteral("Die Datei ist schreibgeschützt.");
    const int error = platform::writeFileAtomically(path, bytes);
    return error == 0 ? QString() : writeProblem(error);
}

}  // namespace pendix
