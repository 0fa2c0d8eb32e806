// Loading a full board against the floor of reading its files, and one animation
// tick of a fully animated board with its repaint, on the real window with every
// picture read from the program folder's files, as the game does.
#include "bench_window.h"
#include "file_floor.h"

#include "game/level_reader.h"
#include "platform/paths.h"
#include "shared/level_file/level_file_io.h"

#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace {

// Every file that LoadLevel reads for `levelPath`: the level and each picture, in its order.
std::vector<std::string> filesReadByLoad(const QString& levelPath) {
    std::vector<std::string> files{platform::resolvePath(levelPath).toStdString()};
    const auto read = pendix::readLevel(pendix::readLevelFileLines(levelPath).lines);
    const auto add = [&files](const std::string& picture) {
        if (!picture.empty()) files.push_back(platform::resolveDataPath(picture).toStdString());
    };
    for (const auto& cell : read.level.cells) add(cell.picture);
    add(read.level.carPicture);
    add(read.level.endMarker);
    return files;
}

void ClearBoardAndLoadLevel(benchmark::State& state) {
    bench::ShownGame game;
    bench::FileFloor floor(filesReadByLoad(game.fullBoardLevel));
    double loadNs = 0, floorNs = 0;
    bool floorFirst = false;
    for (auto _ : state) {
        // In turns first and second, so that neither always finds what the other left in the caches.
        QElapsedTimer clock;
        qint64 read = 0;
        if (floorFirst) {
            clock.start();
            benchmark::DoNotOptimize(floor.readAll());
            read = clock.nsecsElapsed();
        }
        clock.start();
        game.load(game.fullBoardLevel);
        const qint64 load = clock.nsecsElapsed();
        if (!floorFirst) {
            clock.start();
            benchmark::DoNotOptimize(floor.readAll());
            read = clock.nsecsElapsed();
        }
        floorFirst = !floorFirst;
        loadNs += static_cast<double>(load);
        floorNs += static_cast<double>(read);
        state.SetIterationTime(static_cast<double>(load) / 1e9);
        // The window paints what the load changed, outside the load's own time.
        bench::paintAndSync();
    }
    if (game.window.lblLevelName.caption() != QStringLiteral("Level: Volles Brett")) state.SkipWithError("not loaded");
    const double n = static_cast<double>(state.iterations());
    state.counters["load_ms"] = loadNs / n / 1e6;
    state.counters["floor_ms"] = floorNs / n / 1e6;
    state.counters["ratio"] = loadNs / floorNs;
    state.counters["files"] = static_cast<double>(floor.count());
}
BENCHMARK(ClearBoardAndLoadLevel)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(40)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One tick of the 100 ms timer over 400 animated cells, from the tick until the
// changed buttons are painted and on the screen.
void AnimationTick(benchmark::State& state) {
    bench::ShownGame game;
    game.load(game.loopLevel);
    // Every cell animated: the inner cells from the level, the road cells as well.
    for (int i = 0; i < pendix::frmHaupt::kCells; ++i) {
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
        QElapsedTimer clock;
        clock.start();
        game.window.Timer.fire();
        bench::paintAndSync();
        const qint64 tick = clock.nsecsElapsed();
        tickNs += static_cast<double>(tick);
        state.SetIterationTime(static_cast<double>(tick) / 1e9);
    }
    const double n = static_cast<double>(state.iterations());
    // Each tick must have painted every tile button.
    if (paints.buttons() < static_cast<long>(n) * pendix::frmHaupt::kCells) state.SkipWithError("the board did not repaint");
    state.counters["tick_ms"] = tickNs / n / 1e6;
}
BENCHMARK(AnimationTick)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(50)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
