// The car driving level 9 at the step interval of 1 ms through the real timers on
// the real event loop, the 100 ms animation of tiles and icon running beside it,
// against an empty 1 ms timer in the same run. A player presses, before each
// tick, the key of the level's shortest winning plan and, once the level is won,
// starts it again at once.
#include "bench_window.h"

#include "game/level_reader.h"
#include "platform/paths.h"
#include "shared/level_file/level_file_io.h"
#include "tests/support/level_solver.h"

#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <optional>

namespace {

constexpr int kMeasuredMs = 2000;

std::optional<pendix::solver::Plan> levelNinePlan() {
    const auto file = pendix::readLevelFileLines(platform::programFolder() + QStringLiteral("/lev1-9/level9.lev"));
    if (!file.ok()) return std::nullopt;
    const auto read = pendix::readLevel(file.lines);
    if (!read.ok()) return std::nullopt;
    return pendix::solver::solve(read.level);
}

void runEventLoopFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// The ticks an empty precise 1 ms timer gets: the ceiling of this machine's event loop.
double emptyTimerTicks(int milliseconds) {
    double ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(1);
    runEventLoopFor(milliseconds);
    return ticks;
}

// Wraps the step timer's handler: the planned key just before each step, a new
// start just after a won one.
class Player {
public:
    Player(pendix::frmHaupt& window, pendix::solver::Plan plan) : window_(window), plan_(std::move(plan)) {
        step_ = window.tmeWeiter.onTimer;
        window.tmeWeiter.onTimer = [this] { tick(); };
    }
    ~Player() { window_.tmeWeiter.onTimer = step_; }
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void start() {
        window_.cmdLevelStart.click();
        next_ = 0;
    }
    double steps() const { return steps_; }
    int wins() const { return wins_; }

private:
    void tick() {
        if (next_ < plan_.keys.size()) press(plan_.keys[next_]);
        step_();
        ++steps_;
        if (++next_ == static_cast<std::size_t>(plan_.ticks)) {
            ++wins_;
            start();
        }
    }
    void press(pendix::solver::Key key) {
        int ascii = key == pendix::solver::Key::Left ? '4' : key == pendix::solver::Key::Right ? '6' : 0;
        if (ascii != 0) window_.Form_KeyPress(ascii);
    }

    pendix::frmHaupt& window_;
    pendix::solver::Plan plan_;
    std::function<void()> step_;
    std::size_t next_ = 0;
    double steps_ = 0;
    int wins_ = 0;
};

void CarStepsThroughTimer(benchmark::State& state) {
    bench::ShownGame game;
    const auto plan = levelNinePlan();
    if (!plan) {
        state.SkipWithError("level 9 cannot be read or won");
        return;
    }
    game.window.mnuLevel9.click();
    game.window.tmeWeiter.setInterval(1);
    Player player(game.window, *plan);
    double steps = 0, empty = 0;
    for (auto _ : state) {
        // The empty timer alone, the game's timers off.
        game.window.Timer.setEnabled(false);
        empty += emptyTimerTicks(kMeasuredMs);
        game.window.Timer.setEnabled(true);

        const double before = player.steps();
        player.start();
        runEventLoopFor(kMeasuredMs);
        game.window.tmeWeiter.setEnabled(false);
        steps += player.steps() - before;
    }
    const std::string shown = game.messages();
    if (player.wins() == 0 || shown.find("verloren") != std::string::npos || shown.find("wo wollen") != std::string::npos)
        state.SkipWithError(("the car did not win level 9: " + shown.substr(0, 300)).c_str());
    const double seconds = static_cast<double>(state.iterations()) * kMeasuredMs / 1000.0;
    state.counters["steps_per_s"] = steps / seconds;
    state.counters["empty_per_s"] = empty / seconds;
    state.counters["ratio"] = steps / empty;
    state.counters["level_runs"] = player.wins();
}
BENCHMARK(CarStepsThroughTimer)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace
