// Game start to the window shown, and the game's peak memory, each in a fresh
// process: this program started again as the game (see game_child.h).
#include "game_child.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void GameStartAndPeakMemory(benchmark::State& state) {
    QTemporaryDir levels;
    const QString level = bench::writeChildLevel(levels.path());
    double peakKb = 0;
    for (auto _ : state) {
        QProcess game;
        QElapsedTimer clock;
        clock.start();
        game.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(bench::kGameChildOption), level});
        QByteArray output;
        while (!output.contains(bench::kShownLine) && game.waitForReadyRead(10000)) output += game.readAllStandardOutput();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        game.waitForFinished(30000);
        output += game.readAllStandardOutput();
        const auto peak = bench::peakKbOf(output);
        if (!output.contains(bench::kShownLine) || !peak) {
            state.SkipWithError("the game did not report back");
            break;
        }
        peakKb = std::max(peakKb, *peak);
    }
    state.counters["peak_MB"] = peakKb / 1024.0;
}
BENCHMARK(GameStartAndPeakMemory)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
