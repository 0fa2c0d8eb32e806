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

constexpr int kStepsPerAnimationTick = 100;  // 100 ms against 1 ms
constexpr int kLongest = 65535;              // an interval no benchmark lasts

double fieldsDriven(const pendix::frmHaupt& window) {
    return platform::numericValue(platform::toCp1252(window.txtGF.text()));
}

// The player keeps a right turn asked for ("6"), so the car takes every corner of the loop.
void keepRightTurnAsked(pendix::frmHaupt& window) {
    if (window.TurnRight != 0) return;
    int key = '6';
    window.Form_KeyPress(key);
}

// The steps the game can make in a second: each step with its repaint, and one
// animation tick with its repaint every hundredth step. The timers are called,
// not waited for, so the figure is the game's own cost.
void CarSteps(benchmark::State& state) {
    bench::ShownGame game;
    game.load(game.loopLevel);
    game.window.cmdLevelStart.click();
    // Only the calls below tick; the event loop just paints.
    game.window.tmeWeiter.setInterval(kLongest);
    game.window.Timer.setInterval(kLongest);
    std::int64_t steps = 0;
    for (auto _ : state) {
        keepRightTurnAsked(game.window);
        game.window.tmeWeiter.fire();
        if (++steps % kStepsPerAnimationTick == 0) game.window.Timer.fire();
        QCoreApplication::processEvents();
    }
    if (!game.window.tmeWeiter.enabled())
        state.SkipWithError(("the car left the loop: " + game.messages()).c_str());
    game.window.tmeWeiter.setEnabled(false);
    state.SetItemsProcessed(steps);
}
BENCHMARK(CarSteps)->Unit(benchmark::kMicrosecond);

// The real timers on the event loop for one second per iteration. Qt starts the
// next interval only after a tick, so even an empty 1 ms timer falls short of
// 1000 ticks a second; EmptyTimerTicks shows that ceiling on this machine.
void CarStepsPacedByTimer(benchmark::State& state) {
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
    if (!game.window.tmeWeiter.enabled())
        state.SkipWithError(("the car left the loop: " + game.messages()).c_str());
    game.window.tmeWeiter.setEnabled(false);
    state.counters["steps_per_s"] = benchmark::Counter(steps, benchmark::Counter::kIsRate);
}
BENCHMARK(CarStepsPacedByTimer)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void EmptyTimerTicks(benchmark::State& state) {
    double ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(1);
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["ticks_per_s"] = benchmark::Counter(ticks, benchmark::Counter::kIsRate);
}
BENCHMARK(EmptyTimerTicks)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
