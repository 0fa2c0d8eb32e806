// The editor's figures as its user meets them: the real window on the program
// folder's files, reached through real clicks and keys, each timed until what it
// changed is painted and on the screen. The editor's 100 ms animation is held
// still, so that no tick of it falls into another figure (the game's tick has a
// figure of its own).
#include "editor/frm_voz.h"
#include "editor/rules/palette_layout.h"
#include "editor_window.h"
#include "figure_runs.h"
#include "file_floor.h"
#include "platform/application.h"
#include "shared/data_paths.h"
#include "shared/level_chooser/frm_levelauswahl.h"
#include "tests/support/user_input.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <benchmark/benchmark.h>

namespace {

using pendix::Family;
using pendix::editor::frmHaupt;

// The editor shown with its animation held, the given tab in front and, when
// given, a level loaded.
struct Editor : bench::ShownEditor {
    explicit Editor(int tab, bool fullBoard = false) {
        window.Timer.setInterval(bench::kLongestInterval);
        if (fullBoard) loadFullBoard();
        test_support::clickTab(window.SSTab, tab);
        bench::paintAndSync();
    }
    void loadFullBoard() {
        window.ClearBoard();
        window.LoadLevel(linkedBoardLevel);
        bench::paintAndSync();
    }
};

// A left click on a cell with a street chosen, until the cell shows it; the
// tool changes between clicks, outside the time.
void EditorPlaceTile(benchmark::State& state) {
    Editor editor(pendix::editor::paletteTab(Family::Street));
    frmHaupt& window = editor.window;
    double totalNs = 0;
    int cell = 0, tool = 0;
    for (auto _ : state) {
        tool = 1 - tool;
        cell = (cell + 7) % frmHaupt::kCells;
        test_support::leftClick(window.cmdStraße(tool));
        bench::paintAndSync();
        bench::timeIteration(state, totalNs, [&] {
            test_support::leftClick(window.cmd(cell));
            bench::paintAndSync();
        });
        if (window.cmd(cell).tag() != QString::number(pendix::kFirstStreet + tool))
            state.SkipWithError("the click placed nothing");
    }
    bench::reportMs(state, "place_ms", totalNs);
}
BENCHMARK(EditorPlaceTile)->Apply(bench::timedRuns<100>);

// A click on the blocked streets' arrow, forward and back in turns, until the
// palette shows the other page with its bitmaps read afresh.
void EditorPageSwitch(benchmark::State& state) {
    Editor editor(pendix::editor::paletteTab(Family::Blocked));
    frmHaupt& window = editor.window;
    double totalNs = 0;
    bool forward = true;
    for (auto _ : state) {
        bench::timeIteration(state, totalNs, [&] {
            test_support::leftClick(forward ? window.imgGespStraßen2 : window.imgGespStraßen1);
            bench::paintAndSync();
        });
        // Page 2 hides the last three buttons.
        if (window.cmdGespStraße(17).visible() == forward) state.SkipWithError("the page did not change");
        forward = !forward;
    }
    bench::reportMs(state, "switch_ms", totalNs);
}
BENCHMARK(EditorPageSwitch)->Apply(bench::timedRuns<100>);

// F1 ("Neu") on a full board, until the empty template is painted.
void EditorNew(benchmark::State& state) {
    Editor editor(pendix::editor::kNameTab);
    frmHaupt& window = editor.window;
    double totalNs = 0;
    for (auto _ : state) {
        editor.loadFullBoard();
        bench::timeIteration(state, totalNs, [&] {
            test_support::pressKey(window, Qt::Key_F1);
            bench::paintAndSync();
        });
        if (window.LevelFileName != QString::fromLatin1(pendix::kBlankLevelName) ||
            window.cmd(0).tag() != QStringLiteral("0"))
            state.SkipWithError(("Neu did not make a new level: " + editor.messages()).c_str());
    }
    bench::reportMs(state, "new_ms", totalNs);
}
BENCHMARK(EditorNew)->Apply(bench::timedRuns<20>);

// "Öffnen" of the full board: from the click on "OK" in the level chooser,
// where the user has picked it, until the board is painted; beside the floor of
// reading the same files.
void EditorOpen(benchmark::State& state) {
    Editor editor(pendix::editor::kNameTab);
    frmHaupt& window = editor.window;
    bench::AgainstFloor floor(bench::filesReadByEditorLoad(editor.linkedBoardLevel));
    const QFileInfo level(editor.linkedBoardLevel);
    for (auto _ : state) {
        floor.measure(state, [&] {
            QElapsedTimer clock;
            editor.modal().script.push_back([&](platform::Form& form) {
                auto& chooser = static_cast<pendix::frmLevelauswahl&>(form);
                chooser.dirVerzeichnisse.setPath(level.absolutePath());
                for (int i = 0; i < chooser.filDateien.listCount(); ++i)
                    if (chooser.filDateien.list(i) == level.fileName()) chooser.filDateien.setListIndex(i);
                bench::paintAndSync();
                clock.start();
                test_support::leftClick(chooser.cmdOk);
            });
            window.mnuÖffnen.click();
            bench::paintAndSync();
            return clock.isValid() ? clock.nsecsElapsed() : 0;
        });
    }
    if (window.lblLevelName.caption() != QStringLiteral("Level: Volles Brett") || window.EndPos == 0)
        state.SkipWithError(("not loaded: " + editor.messages()).c_str());
    floor.report(state, "open_ms");
}
BENCHMARK(EditorOpen)->Apply(bench::timedRuns<20>);

// "Verwendete Objekte zählen" on the full board, until the count window is
// painted; it is closed again outside the time, so each opening counts afresh.
void EditorCountWindow(benchmark::State& state) {
    Editor editor(pendix::editor::kStartEndTab, true);
    auto& counts = platform::instance<pendix::editor::frmVOz>();
    double totalNs = 0;
    for (auto _ : state) {
        bench::WindowPaintWatch watch(QStringLiteral("Verwendete Objekte zählen"));
        bool painted = false;
        bench::timeIteration(state, totalNs, [&] {
            test_support::leftClick(editor.window.cmdVerwendeteObjektezählen);
            painted = watch.wait();
        });
        if (!painted || counts.txtIA.text() != QStringLiteral("400")) {
            state.SkipWithError("the count window did not show the 400 tiles");
            break;
        }
        counts.unload();
        bench::paintAndSync();
    }
    bench::reportMs(state, "count_ms", totalNs);
}
BENCHMARK(EditorCountWindow)->Apply(bench::timedRuns<20>);

}  // namespace
