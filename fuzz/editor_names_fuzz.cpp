// Answers to the editor's two questions, "Speichern unter" (the file name) and
// the rename (the level's name), given through the window's own handlers with the
// input box double answering, on a valid level in a program folder of its own.
// Whatever the answers, nothing may be written anywhere but into "\lvlneu\" (the
// whole program folder and its parent are watched), the template "blanko.lvl"
// stays as it is, a name that is taken is either written or refused with a
// message, and every file written is found under the name that was accepted, holds
// the level's bytes and reads back with the level's name.
//
// The input is a row of records, each ended by a byte 0xFF (never part of UTF-8):
// the record's first byte chooses the handler (its value modulo 4: "Speichern
// unter", the rename by double-click, "Speichern", "Name ändern") and how the rest
// is read as text (bit 2: UTF-16 code units, low byte first, lone surrogates
// included; else UTF-8); the rest is the answer to the first question the handler
// asks. A question asked again after a refusal is answered with Cancel.
#include "fuzz/editor_session.h"
#include "fuzz/tree_watch.h"
#include "platform/files/cp1252.h"
#include "platform/paths.h"
#include "shared/data_paths.h"
#include "shared/level_format/level_lines.h"
#include "shared/level_format/level_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzz_support::EditorSession;
using fuzz_support::require;
using fuzz_support::TreeWatch;

constexpr std::size_t kMaxRecords = 12;
const QString kTemplate = QString::fromLatin1(pendix::kBlankLevelName);

enum class Handler { SaveAs, RenameByDoubleClick, Save, RenameByMenu };

struct Record {
    Handler handler;
    QString answer;
};

QString answerText(std::string_view bytes, bool utf16) {
    if (!utf16) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                (static_cast<unsigned char>(bytes[i + 1]) << 8))));
    return text;
}

std::vector<Record> recordsOf(std::string_view input) {
    std::vector<Record> records;
    while (!input.empty() && records.size() < kMaxRecords) {
        const std::size_t end = input.find('\xff');
        const std::string_view record = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        if (record.empty()) continue;
        const auto choice = static_cast<unsigned char>(record[0]);
        records.push_back({static_cast<Handler>(choice % 4), answerText(record.substr(1), (choice & 4) != 0)});
    }
    return records;
}

QString withoutOuterSpaces(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ') ++first;
    while (last > first && text[last - 1] == u' ') --last;
    return text.mid(first, last - first);
}

std::string_view withoutOuterSpaces(std::string_view bytes) {
    while (!bytes.empty() && bytes.front() == ' ') bytes.remove_prefix(1);
    while (!bytes.empty() && bytes.back() == ' ') bytes.remove_suffix(1);
    return bytes;
}

// The street 102 on cells 0 to 2, the car on cell 0 facing right, the end on cell 2: every save passes its checks.
std::string validLevel() {
    std::array<std::string, pendix::kCellCount> cells;
    cells[0] = cells[1] = cells[2] = "102";
    return pendix::levelFileBytes("Probe", cells, 0, 3, 2);
}

struct Fixture {
    EditorSession& session = EditorSession::get();
    std::string templateBytes = validLevel();
    std::unique_ptr<TreeWatch> watch;

    Fixture() {
        EditorSession::writeFile(session.levelPath(kTemplate), templateBytes);
        const QString opened = session.levelPath(QStringLiteral("probe.lvl"));
        EditorSession::writeFile(opened, validLevel());
        session.editor().ClearBoard();
        session.editor().LoadLevel(opened);
        require(session.fakes().messages.shown.empty() && session.editor().StartDir == 3);
        QFile::remove(opened);
        watch = std::make_unique<TreeWatch>(session.parentFolder());
    }
};

Fixture& fixture() {
    static Fixture made;
    return made;
}

bool anyMessageTitled(const test_support::TestServices& fakes, const QString& title) {
    for (const auto& shown : fakes.messages.shown)
        if (shown.title == title) return true;
    return false;
}

// Every change lies inside "\lvlneu\", is no folder and leaves the template alone;
// the names of the files it touched that stand there now (a temporary file, named
// or not, that was renamed or removed again is none of them).
std::vector<QString> filesWritten(Fixture& f) {
    std::vector<QString> names;
    const QString folder = f.session.levelFolder();
    for (const TreeWatch::Change& change : f.watch->changes()) {
        require(change.folder == folder && !change.name.isEmpty());
        require(!change.isFolder());
        require(change.name != kTemplate);
        if (std::find(names.begin(), names.end(), change.name) == names.end()) names.push_back(change.name);
    }
    std::erase_if(names, [&folder](const QString& name) { return !QFileInfo(folder + u'/' + name).isFile(); });
    return names;
}

// The file a save just wrote: found under the accepted name, holding the level's bytes and its name.
void checkWritten(Fixture& f, const std::vector<QString>& written, const std::vector<QString>& acceptedBefore) {
    pendix::editor::frmHaupt& editor = f.session.editor();
    const QString& accepted = editor.LevelFileName;
    // The file system holds the name as accepted, or, where an earlier answer made a
    // file whose name differs only in letter case, the earlier one's: names are matched so.
    for (const QString& name : written) {
        bool earlier = false;
        for (const QString& before : acceptedBefore)
            earlier = earlier || (name == before && name.compare(accepted, Qt::CaseInsensitive) == 0);
        require(name == accepted || earlier);
    }
    const QString found = platform::resolveDataPath(pendix::ownLevelPath(accepted.toStdString()));
    require(QFileInfo(found).absolutePath() == f.session.levelFolder());
    const std::string bytes = EditorSession::fileBytes(found);
    require(bytes == editor.levelBytes());
    const pendix::LevelLinesRead read = pendix::readLevelLinesBytes(bytes);
    require(read.ok());
    require(read.level.name == withoutOuterSpaces(platform::toCp1252(editor.LevelName)));
}

void removeWrittenLevels(Fixture& f) {
    QDir folder(f.session.levelFolder());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        // By its full path: QDir would take a name that begins with ":" for one of Qt's resources.
        if (name != kTemplate) require(QFile::remove(folder.path() + u'/' + name));
    filesWritten(f);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fixture();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fixture& f = fixture();
    pendix::editor::frmHaupt& editor = f.session.editor();
    test_support::TestServices& fakes = f.session.fakes();
    const int startDir = editor.StartDir;
    f.session.resetState();
    editor.StartDir = static_cast<std::int16_t>(startDir);
    editor.EndPos = 2;
    require(f.watch->changes().empty());

    std::vector<QString> accepted;
    for (const Record& record : recordsOf(std::string_view(reinterpret_cast<const char*>(data), size))) {
        fakes.messages.shown.clear();
        fakes.inputs.answers.assign({record.answer});
        const QString nameBefore = editor.LevelName;
        switch (record.handler) {
        case Handler::SaveAs: editor.mnuSpeichernunter_Click(); break;
        case Handler::RenameByDoubleClick: editor.lblLevelName_DblClick(); break;
        case Handler::Save: editor.mnuSpeichern_Click(); break;
        case Handler::RenameByMenu: editor.mnuNameändern_Click(); break;
        }
        require(!fakes.cursor.waiting());
        const std::vector<QString> written = filesWritten(f);

        if (record.handler == Handler::RenameByDoubleClick || record.handler == Handler::RenameByMenu) {
            // Taken as typed, or refused and then cancelled, which leaves the empty name.
            require(written.empty());
            require(editor.LevelName == record.answer || editor.LevelName.isEmpty());
            if (editor.LevelName.isEmpty()) require(record.answer.isEmpty() || !fakes.messages.shown.empty());
            continue;
        }
        require(editor.LevelName == nameBefore);
        const bool failed = anyMessageTitled(fakes, QStringLiteral("Speichern fehlgeschlagen"));
        const bool refused = anyMessageTitled(fakes, QStringLiteral("Sorry!"));
        // A name that is taken is written, or its failure is told; a refused one is asked for again.
        const bool taken = !withoutOuterSpaces(editor.LevelFileName).isEmpty() && !refused;
        if (failed) {
            require(written.empty());
            require(fakes.messages.shown.back().text.startsWith(
                QStringLiteral("Das Level konnte nicht gespeichert werden:")));
        } else if (taken) {
            require(!written.empty());
            checkWritten(f, written, accepted);
            accepted.push_back(editor.LevelFileName);
        } else {
            require(written.empty());
        }
    }
    require(EditorSession::fileBytes(f.session.levelPath(kTemplate)) == f.templateBytes);
    removeWrittenLevels(f);
    return 0;
}
