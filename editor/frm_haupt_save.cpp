// Saving the level into "\lvlneu\" and naming it.
#include "editor/frm_haupt.h"

#include "editor/rules/name_rules.h"
#include "platform/files/cp1252.h"
#include "platform/paths.h"
#include "platform/services/services.h"
#include "shared/data_paths.h"
#include "shared/level_file/level_file_io.h"
#include "shared/level_format/level_writer.h"

#include <QDir>
#include <QFileInfo>

namespace pendix::editor {

namespace {

const QString kSorry = QStringLiteral("Sorry!");

void exclaim(const QString& text, const QString& title) {
    platform::messageBox(text, platform::MsgBoxStyle::Exclamation, title);
}

// Blanks before and after, as the answers of the input box are judged.
QString withoutOuterSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

QString fileNameRefusal(const QString& answer) {
    switch (fileNameProblem(answer.toStdU16String())) {
    case FileNameProblem::Separator:
        return QStringLiteral("Der Datei - Name darf weder \"/\" noch \"\\\" enthalten: das Level wird immer im "
                              "Verzeichnis \\lvlneu gespeichert!");
    case FileNameProblem::ControlCharacter: return QStringLiteral("Der Datei - Name darf keine Steuerzeichen enthalten!");
    case FileNameProblem::OnlyDots:
        return QStringLiteral("Ein Datei - Name nur aus Punkten kann leider nicht verwendet werden!");
    case FileNameProblem::BrokenCharacter:
        return QStringLiteral("Der Datei - Name enthält ein halbes Zeichen, das sich in keinem Datei - Namen "
                              "speichern lässt!");
    case FileNameProblem::None: break;
    }
    return {};
}

QString levelNameRefusal(const QString& name) {
    const std::optional<char32_t> character = unstorableNameCharacter(name.toStdU32String());
    if (!character) return {};
    const QString code = QStringLiteral("U+%1").arg(static_cast<uint>(*character), 4, 16, QChar(u'0')).toUpper();
    if (*character == U'\r' || *character == U'\n')
        return QStringLiteral("Der Level - Name darf keinen Zeilenumbruch enthalten (Zeichen %1)!").arg(code);
    return QStringLiteral("Das Zeichen \u00bb%1\u00ab (%2) kann in einem Level - Namen leider nicht gespeichert werden!")
        .arg(QString::fromUcs4(&*character, 1), code);
}

}  // namespace

bool frmHaupt::endOnPlainStreet() {
    if (!isOnBoard(EndPos)) return false;
    return holdsPlainStreet(EndPos);
}

void frmHaupt::mnuSpeichern_Click() {
    if (StartDir == 0) {
        exclaim(QStringLiteral("Legen sie bitte eine Start - Richtung fest, bevor sie speichern!"),
                QStringLiteral("Start - Richtung?"));
        return;
    }
    if (!endOnPlainStreet()) {
        exclaim(QStringLiteral("Legen sie die End - Position bitte auf eine Straße, bevor sie speichern!"),
                QStringLiteral("End - Position?\""));
        return;
    }
    if (LevelFileName.isEmpty()) {
        // Save As comes back here once it holds a name; that save writes the file.
        mnuSpeichernunter_Click();
        return;
    }
    platform::setWaitCursor();
    const QString failure = saveLevelFile();
    platform::setDefaultCursor();
    if (!failure.isEmpty()) exclaim(failure, QStringLiteral("Speichern fehlgeschlagen"));
}

QString frmHaupt::saveLevelFile() {
    const QString path = platform::resolveDataPath(ownLevelPath(LevelFileName.toStdString()));
    const auto failed = [&path](const QString& cause) {
        return QStringLiteral("Das Level konnte nicht gespeichert werden:\r") + path + QStringLiteral("\r\r") + cause;
    };
    // Only Save As names a file, and it ends on a name of blanks without saving.
    if (withoutOuterSpaces(LevelFileName).isEmpty())
        return failed(QStringLiteral("Der Datei - Name besteht nur aus Leerzeichen."));
    const QString folder = platform::resolveDataPath(kOwnLevelFolder);
    // A file of that name would only fail the write as "no such folder"; it stays untouched.
    const QFileInfo folderInfo(folder);
    if (folderInfo.exists() && !folderInfo.isDir())
        return failed(QStringLiteral("Wo das Verzeichnis \\lvlneu stehen sollte, steht eine Datei gleichen Namens."));
    if (!folderInfo.exists()) QDir().mkpath(folder);

    const QString cause = writeLevelFile(path, levelBytes());
    return cause.isEmpty() ? QString() : failed(cause);
}

std::string frmHaupt::levelBytes() {
    std::array<std::string, kCellCount> cells;
    for (int i = 0; i < kCells; ++i) cells[static_cast<std::size_t>(i)] = platform::toCp1252(cmd(i).tag());
    return levelFileBytes(platform::toCp1252(LevelName), cells, StartPos, StartDir, EndPos);
}

void frmHaupt::mnuSpeichernunter_Click() {
    for (;;) {
        LevelFileName =
            platform::inputBox(QStringLiteral("Geben sie bitte den Namen der Datei ein, in welcher das Level "
                                              "gespeichert werden soll."),
                               QStringLiteral("Datei - Name?"));
        if (withoutOuterSpaces(LevelFileName).isEmpty()) return;
        if (const QString refusal = fileNameRefusal(LevelFileName); !refusal.isEmpty()) {
            exclaim(refusal, kSorry);
            continue;
        }
        const QString ending = QString::fromLatin1(kLevelFileEnding);
        if (!LevelFileName.endsWith(ending)) LevelFileName += ending;
        if (LevelFileName.toLower() == QString::fromLatin1(kBlankLevelName)) {
            exclaim(QStringLiteral("Der Name ~blanko~ kann als Datei - Name leider nicht verwendet werden!"), kSorry);
            continue;
        }
        mnuSpeichern_Click();
        return;
    }
}

void frmHaupt::lblLevelName_DblClick() {
    bool waiting = false;
    for (;;) {
        LevelName = platform::inputBox(QStringLiteral("Geben sie bitte den Namen des Levels ein."),
                                       QStringLiteral("Name?"));
        // One wait for the whole question: it stays through a refusal and the next question.
        if (!waiting) platform::setWaitCursor();
        waiting = true;
        if (LevelName == QStringLiteral("Blanko")) {
            exclaim(QStringLiteral("Der Name ~Blanko~ kann als Level - Name leider nicht verwendet werden!"), kSorry);
            continue;
        }
        if (const QString refusal = levelNameRefusal(LevelName); !refusal.isEmpty()) {
            exclaim(refusal, kSorry);
            continue;
        }
        break;
    }
    // A cancelled rename empties the name but leaves the label.
    if (!LevelName.isEmpty()) lblLevelName.setCaption(QStringLiteral("Level: ") + LevelName);
    platform::setDefaultCursor();
}

void frmHaupt::mnuNameändern_Click() { lblLevelName_DblClick(); }

}  // namespace pendix::editor
