// The car on a loop round the board at the step interval of 1 ms, with the 100 ms
// animation of the 322 animated inner cells and the icon running beside it.
#include "bench_window.h"

#include "platform/text/cp1252.h"
#include "platform/text/numeric_value.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

double fieldsDriven(const pendix::frmHaupt& window) {
    return platform::numericValue(platform::toCp1252(window.txtGF.text()));
}

// The player keeps a right turn asked for ("6"), so the car takes every corner of the loop.
void keepRightTurnAsked(pendix::frmHaupt& window) {
    if (window.TurnRight != 0) return;
    int key = '6';
    window.Form_KeyPress(key);
}

// The real timers on the event loop for one second per iteration: the figure is
// the steps the game makes in a second, painting and animation included.
void CarStepsPerSecond(benchmark::State& state) {
    bench::ShownGame game;
    game.load(game.loopLevel);
    game.window.tmeWeiter.setInterval(1);
    game.window.cmdLevelStart.click();
    QTimer steering;
    QObject::connect(&steering, &QTimer::timeout, [&game] { keepRightTurnAsked(game.window); });
    steering.start(5);  // a side of the loop takes at least 14 steps
    double steps = 0;
    for (auto _ : state) {
        const double before = fieldsDriven(game.window);
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        steps += fieldsDriven(game.window) - before;
    }
    if (!game.window.tmeWeiter.enabled()) state.SkipWithError(("the car left the loop: " + game.messages()).c_str());
    game.window.tmeWeiter.setEnabled(false);
    state.counters["steps_per_s"] = benchmark::Counter(steps, benchmark::Counter::kIsRate);
}
BENCHMARK(CarStepsPerSecond)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The same work without the timers' pacing: one step, and one animation tick
// every hundredth step, their ratio at 1 ms and 100 ms.
void CarStepCost(benchmark::State& state) {
    bench::ShownGame game;
    game.load(game.loopLevel);
    game.window.cmdLevelStart.click();
    std::int64_t steps = 0;
    for (auto _ : state) {
        keepRightTurnAsked(game.window);
        game.window.tmeWeiter.fire();
        if (++steps % 100 == 0) game.window.Timer.fire();
    }
    if (!game.window.tmeWeiter.enabled()) state.SkipWithError(("the car left the loop: " + game.messages()).c_str());
    game.window.tmeWeiter.setEnabled(false);
    state.SetItemsProcessed(steps);
}
BENCHMARK(CarStepCost)->Unit(benchmark::kMicrosecond);

}  // namespace
