// A level file's bytes through the editor window's own path: written into its
// "\lvlneu\", drawn onto the real board by ClearBoard and LoadLevel, then saved by
// "Speichern" under a file name of its own. Whatever the bytes, nothing may crash,
// and what the save writes is exactly 405 lines, each ended by CR LF. A save may
// refuse (no start direction, no street on the end cell); the form is then checked
// on the bytes it would have written, made by the one function the save writes
// through. Loading what was written and saving again gives the same bytes, and the
// game's level reader takes every written file without a crash.
#include "fuzz/editor_session.h"
#include "game/rules/level_reader.h"
#include "shared/level_format/level_lines.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz_support::EditorSession;
using fuzz_support::require;

const QString kSaved = QStringLiteral("gespeichert.lvl");

// "Speichern" with a file name already set: the file it wrote, or "" when it refused.
std::string save(EditorSession& session) {
    pendix::editor::frmHaupt& editor = session.editor();
    auto& messages = session.fakes().messages.shown;
    messages.clear();
    editor.LevelFileName = kSaved;
    editor.mnuSpeichern_Click();
    require(!session.fakes().cursor.waiting());
    const QString path = session.levelPath(kSaved);
    const std::string written = EditorSession::fileBytes(path);
    if (messages.empty()) {
        require(!written.empty());
        QFile::remove(path);
        return written;
    }
    // Only the two refusals; a failure to write is no answer to these bytes.
    require(messages.size() == 1 && written.empty());
    const QString& title = messages[0].title;
    require(title == QStringLiteral("Start - Richtung?") || title == QStringLiteral("End - Position?\""));
    require((editor.StartDir == 0) == (title == QStringLiteral("Start - Richtung?")));
    return {};
}

// ClearBoard, then LoadLevel of a file holding `bytes`, as "Öffnen" does; true when it was read.
bool load(EditorSession& session, std::string_view bytes) {
    const QString path = session.levelPath(QStringLiteral("eingabe.lvl"));
    EditorSession::writeFile(path, bytes);
    auto& messages = session.fakes().messages.shown;
    messages.clear();
    session.editor().ClearBoard();
    session.editor().LoadLevel(path);
    require(!session.fakes().cursor.waiting());
    require(messages.size() <= 1);
    return messages.empty();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EditorSession::get();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    EditorSession& session = EditorSession::get();
    pendix::editor::frmHaupt& editor = session.editor();
    session.resetState();

    // A refused file leaves the cleared board, which is saved as well.
    const bool read = load(session, std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string bytes = editor.levelBytes();
    require(fuzz_support::hasWrittenForm(bytes));
    const std::string saved = save(session);
    require(saved.empty() || saved == bytes);
    if (!read) require(saved.empty());  // the state after start-up has no start direction

    // What was written loads without a word and saves as the same bytes.
    require(load(session, bytes));
    require(editor.levelBytes() == bytes);
    if (!saved.empty()) require(save(session) == bytes);

    const pendix::LevelLinesRead lines = pendix::readLevelLinesBytes(bytes);
    require(lines.ok());
    const pendix::game::LevelRead game = pendix::game::readLevelBytes(bytes);
    require(game.ok() || !game.message.empty());
    return 0;
}
