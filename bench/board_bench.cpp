// Loading a full board and one animation tick over it, on the real window with
// every picture read from the program folder's files, as the game does.
#include "bench_window.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

namespace {

void ClearBoardAndLoadLevel(benchmark::State& state) {
    bench::ShownGame game;
    for (auto _ : state) game.load(game.fullBoardLevel);
    if (game.window.lblLevelName.caption() != QStringLiteral("Level: Volles Brett")) state.SkipWithError("not loaded");
}
BENCHMARK(ClearBoardAndLoadLevel)->Unit(benchmark::kMillisecond);

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
    for (auto _ : state) {
        game.window.Timer.fire();
        // The buttons repaint between ticks, outside the tick's own time.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(AnimationTick)->Unit(benchmark::kMillisecond);

}  // namespace
