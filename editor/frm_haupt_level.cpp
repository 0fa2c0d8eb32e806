// Clearing the board, loading a level file, "Neu" and "Öffnen".
#include "editor/frm_haupt.h"

#include "editor/rules/loaded_level.h"
#include "platform/application.h"
#include "platform/files/cp1252.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "platform/services/services.h"
#include "shared/board/board.h"
#include "shared/data_paths.h"
#include "shared/level_chooser/frm_levelauswahl.h"
#include "shared/level_file/level_file_io.h"
#include "shared/level_format/level_lines.h"

namespace pendix::editor {

namespace {

QString tagText(const std::string& bytes) { return platform::fromCp1252(bytes); }

}  // namespace

void frmHaupt::ClearBoard() { clearBoard(cmd, pic); }

void frmHaupt::LoadLevel(const QString& path) {
    platform::setWaitCursor();
    // A refused file leaves the board as the caller cleared it, and the name, the
    // positions and the labels as they were.
    const auto refuse = [&path](const QString& problem) {
        showUnreadableLevel(path, problem);
        platform::setDefaultCursor();
    };
    const LevelFileLines file = readLevelFileLines(path);
    if (!file.ok()) return refuse(file.problem);
    const LevelLinesRead read = readLevelLines(file.lines);
    if (!read.ok()) return refuse(QString::fromStdString(read.message));
    const pendix::LevelLines& level = read.level;
    const LoadedLevel loaded = loadedLevel(level);

    LevelLines = level.lines;
    LevelName = platform::fromCp1252(level.name);
    for (int i = 0; i < kCells; ++i) {
        const LoadedCell& cell = loaded.cells[static_cast<std::size_t>(i)];
        if (!cell.picture.empty()) cmd(i).setPicture(platform::loadPicture(cell.picture));
        if (cell.animated) AnimCells[static_cast<std::size_t>(i)] = 1;
        cmd(i).setTag(tagText(cell.tag));
    }
    for (const TargetOverlay& target : loaded.targets) {
        if (!target.picture.empty()) pic(target.cell).setPicture(platform::loadPicture(target.picture));
        pic(target.cell).setTag(tagText(target.mark));
        pic(target.cell).setVisible(true);
    }
    StartPos = level.startPos;
    StartDir = level.startDir;
    EndPos = level.endPos;
    // The car and the end marker come after all links and cells, drawn over them.
    if (!loaded.carPicture.empty()) pic(StartPos).setPicture(platform::loadPicture(loaded.carPicture));
    if (!loaded.endMarker.empty()) cmd(EndPos).setPicture(platform::loadPicture(loaded.endMarker));
    if (loaded.startOnBoard) {
        pic(StartPos).setVisible(true);
        pic(StartPos).setTag(QString::number(StartDir));
    }
    lblSP.setCaption(QString::number(StartPos));
    lblEP.setCaption(QString::number(EndPos));
    lblLevelName.setCaption(QStringLiteral("Level: ") + LevelName);
    platform::setDefaultCursor();
}

void frmHaupt::mnuNeu_Click() {
    ClearBoard();
    LoadLevel(platform::programFolder() + QString::fromStdString(ownLevelPath(kBlankLevelName)));
    LevelFileName = QString::fromLatin1(kBlankLevelName);
}

// Acts on whatever the chooser left in the Tag: its close box leaves the answer
// of the opening before, "Abbrechen" an empty one.
void frmHaupt::mnuÖffnen_Click() {
    platform::instance<frmLevelauswahl>().showModal();
    if (tag().isEmpty()) return;
    ClearBoard();
    LoadLevel(tag());
    LevelFileName.clear();
}

}  // namespace pendix::editor
