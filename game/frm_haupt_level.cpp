// The level menus and the level load.
#include "game/frm_haupt.h"

#include "game/rules/level_reader.h"
#include "platform/files/cp1252.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "platform/services/services.h"
#include "shared/data_paths.h"
#include "shared/level_file/level_file_io.h"

#include <algorithm>

namespace pendix::game {

namespace {

const QString kNoLevel = QStringLiteral("Kein Level eingelesen!");

}  // namespace

void frmHaupt::mnuLevel1_Click() { loadBuiltInLevel(1); }
void frmHaupt::mnuLevel2_Click() { loadBuiltInLevel(2); }
void frmHaupt::mnuLevel3_Click() { loadBuiltInLevel(3); }
void frmHaupt::mnuLevel4_Click() { loadBuiltInLevel(4); }
void frmHaupt::mnuLevel5_Click() { loadBuiltInLevel(5); }
void frmHaupt::mnuLevel6_Click() { loadBuiltInLevel(6); }
void frmHaupt::mnuLevel7_Click() { loadBuiltInLevel(7); }
void frmHaupt::mnuLevel8_Click() { loadBuiltInLevel(8); }
void frmHaupt::mnuLevel9_Click() { loadBuiltInLevel(9); }

void frmHaupt::loadBuiltInLevel(int number) {
    ClearBoard();
    LoadLevel(platform::programFolder() + QString::fromStdString(builtInLevelPath(number)));
}

void frmHaupt::LoadLevel(const QString& path) {
    platform::setWaitCursor();
    const LevelFileLines file = readLevelFileLines(path);
    if (!file.ok()) {
        refuseLevel(path, file.problem);
        platform::setDefaultCursor();
        return;
    }
    const LevelRead read = readLevel(file.lines);
    if (!read.ok()) {
        refuseLevel(path, QString::fromStdString(read.message));
        platform::setDefaultCursor();
        return;
    }
    const Level& level = read.level;

    std::copy_n(file.lines.begin(), kLevelLineCount, LevelLines.begin());
    LevelName = platform::fromCp1252(level.name);
    for (int i = 0; i < kCells; ++i) {
        const LevelCell& cell = level.cells[static_cast<std::size_t>(i)];
        // Every drawn cell reads its bitmap from disk now; a missing file leaves the cell bare.
        if (!cell.picture.empty()) cmd(i).setPicture(platform::loadPicture(cell.picture));
        cmd(i).setTag(platform::fromCp1252(cell.tag));  // StepCar reads it back as the same bytes
        if (cell.animated) AnimCells[static_cast<std::size_t>(i)] = 1;
    }
    StartPos = level.startPos;
    StartDir = level.startDir;
    EndPos = level.endPos;
    if (!level.carPicture.empty()) pic(StartPos).setPicture(platform::loadPicture(level.carPicture));
    if (!level.endMarker.empty()) cmd(EndPos).setPicture(platform::loadPicture(level.endMarker));
    pic(StartPos).setVisible(true);
    pic(StartPos).setTag(QString::number(StartDir));
    CarPos = StartPos;
    CarDir = StartDir;
    lblLevelName.setCaption(QStringLiteral("Level: ") + LevelName);
    platform::setDefaultCursor();
}

void frmHaupt::refuseLevel(const QString& path, const QString& problem) {
    // A drive must not go on over a board that no longer holds its level, and
    // "Level - Start" stays inert until a level has been read completely.
    tmeWeiter.setEnabled(false);
    ClearBoard();
    StartPos = StartDir = EndPos = CarPos = CarDir = 0;
    LevelName.clear();
    LevelLines = {};
    lblLevelName.setCaption(kNoLevel);
    showUnreadableLevel(path, problem);
}

}  // namespace pendix::game
