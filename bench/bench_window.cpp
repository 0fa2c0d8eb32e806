#include "bench_window.h"

#include "bench_levels.h"

#include "platform/application.h"
#include "platform/paths.h"
#include "shared/tile_catalogue.h"

#include <QFileInfo>

#include <cstdio>

namespace bench {
namespace {

pendix::frmHaupt& shownWindow() {
    auto& window = platform::instance<pendix::frmHaupt>();
    window.show();
    return window;
}

}  // namespace

ShownGame::ShownGame()
    : window(shownWindow()),
      fullBoardLevel(writeFullBoardLevel(levels_.path())),
      loopLevel(writeLoopLevel(levels_.path())) {}

ShownGame::~ShownGame() { platform::dropInstances(); }

void ShownGame::load(const QString& level) {
    window.ClearBoard();
    window.LoadLevel(level);
}

std::string ShownGame::messages() const {
    std::string all;
    for (const auto& shown : services_.messages.shown) all += shown.text.simplified().toStdString() + "; ";
    return all;
}

bool useProgramFolder() {
    platform::setProgramFolder(QStringLiteral(PENDIX_PROGRAM_DIR));
    if (QFileInfo::exists(platform::resolveDataPath(pendix::kProbeBitmap))) return true;
    std::fprintf(stderr, "no data in %s: run tavrik.exe there first\n", PENDIX_PROGRAM_DIR);
    return false;
}

}  // namespace bench
