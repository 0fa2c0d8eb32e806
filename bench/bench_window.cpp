#include "bench_window.h"

#include "bench_levels.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "probe/window_system_sync.h"
#include "shared/tile_catalogue.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>

#include <cstdio>

namespace bench {
namespace {

pendix::game::frmHaupt& shownWindow() {
    auto& window = platform::instance<pendix::game::frmHaupt>();
    window.show();
    return window;
}

}  // namespace

ShownGame::ShownGame()
    : window(shownWindow()), fullBoardLevel(writeFullBoardLevel(levels_.path())),
      loopLevel(writeLoopLevel(levels_.path())) {
    paintAndSync();
}

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

void paintAndSync() {
    QCoreApplication::processEvents();
    syncWithWindowSystem();
}

PaintCount::PaintCount(const pendix::game::frmHaupt& window) {
    for (int i = 0; i < pendix::game::frmHaupt::kCells; ++i) tileButtons_.insert(window.cmd(i).widget());
    QCoreApplication::instance()->installEventFilter(this);
}

PaintCount::~PaintCount() { QCoreApplication::instance()->removeEventFilter(this); }

bool PaintCount::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && tileButtons_.contains(watched)) ++buttons_;
    return false;
}

bool useProgramFolder() {
    platform::setProgramFolder(QStringLiteral(PENDIX_PROGRAM_DIR));
    if (QFileInfo::exists(platform::resolveDataPath(pendix::kProbeBitmap))) return true;
    std::fprintf(stderr, "no data in %s: run tavrik.exe there first\n", PENDIX_PROGRAM_DIR);
    return false;
}

}  // namespace bench
