// Loading a full board against the floor of reading its files, and one animation
// tick of a fully animated board with its repaint, on the real window with every
// picture read from the program folder's files, as the game does.
#include "bench_window.h"
#include "figure_runs.h"
#include "file_floor.h"
#include "game/rules/level_reader.h"
#include "platform/paths.h"
#include "shared/level_file/level_file_io.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

// Every file that LoadLevel reads for `levelPath`: the level and each picture, in its order.
std::vector<std::string> filesReadByLoad(const QString& levelPath) {
    std::vector<std::string> files{platform::resolvePath(levelPath).toStdString()};
    const auto read = pendix::game::readLevel(pendix::readLevelFileLines(levelPath).lines);
    const auto add = [&files](const std::string& picture) {
        if (!picture.empty()) files.push_back(platform::resolveDataPath(picture).toStdString());
    };
    for (const auto& cell : read.level.cells) add(cell.picture);
    add(read.level.carPicture);
    add(read.level.endMarker);
    return files;
}

// The load as two figures against the same floor: the load itself, and the load
// with the repaint that the user waits for, until it is on the screen.
void ClearBoardAndLoadLevel(benchmark::State& state) {
    bench::ShownGame game;
    bench::AgainstFloor floor(filesReadByLoad(game.fullBoardLevel));
    bench::PaintCount paints(game.window);
    double paintedNs = 0;
    for (auto _ : state) {
        floor.measure(state, [&game, &paintedNs] {
            QElapsedTimer clock;
            clock.start();
            game.load(game.fullBoardLevel);
            const qint64 loadNs = clock.nsecsElapsed();
            bench::paintAndSync();
            paintedNs += static_cast<double>(clock.nsecsElapsed());
            return loadNs;
        });
    }
    if (game.window.lblLevelName.caption() != QStringLiteral("Level: Volles Brett")) state.SkipWithError("not loaded");
    // Each load must have repainted every tile button.
    if (paints.buttons() < static_cast<long>(state.iterations()) * pendix::game::frmHaupt::kCells)
        state.SkipWithError("the board did not repaint");
    floor.report(state, "load_ms");
    floor.reportBeside(state, "painted_ms", "painted_ratio", paintedNs);
}
BENCHMARK(ClearBoardAndLoadLevel)->Apply(bench::timedRuns<40>);

// One tick of the 100 ms timer over 400 animated cells, from the tick until the
// changed buttons are painted and on the screen.
void AnimationTick(benchmark::State& state) {
    bench::ShownGame game;
    game.load(game.loopLevel);
    // Every cell animated: the inner cells from the level, the road cells as well.
    for (int i = 0; i < pendix::game::frmHaupt::kCells; ++i) {
        if (game.window.AnimCells[static_cast<std::size_t>(i)] == 0) {
            game.window.cmd(i).setTag(QString::number(801 + i % 21));
            game.window.AnimCells[static_cast<std::size_t>(i)] = 1;
        }
    }
    game.window.Timer.setInterval(bench::kLongestInterval);  // only the calls below tick
    bench::paintAndSync();
    bench::PaintCount paints(game.window);
    double tickNs = 0;
    for (auto _ : state) {
        bench::timeIteration(state, tickNs, [&game] {
            game.window.Timer.fire();
            bench::paintAndSync();
        });
    }
    // Each tick must have painted every tile button.
    if (paints.buttons() < static_cast<long>(state.iterations()) * pendix::game::frmHaupt::kCells)
        state.SkipWithError("the board did not repaint");
    bench::reportMs(state, "tick_ms", tickNs);
}
BENCHMARK(AnimationTick)->Apply(bench::timedRuns<50>);

}  // namespace
