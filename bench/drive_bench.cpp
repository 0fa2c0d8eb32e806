// The car driving level 9 at the step interval of 1 ms through the real timers on
// the real event loop, the 100 ms animation of tiles and icon running beside it,
// against an empty 1 ms timer ticking at the same time on an event loop of its
// own. A player presses, before each tick, the key of the level's shortest
// winning plan and, once the level is won, starts it again at once.
#include "bench_window.h"
#include "game/rules/level_reader.h"
#include "platform/paths.h"
#include "shared/data_paths.h"
#include "shared/level_file/level_file_io.h"
#include "tests/support/level_solver.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <atomic>
#include <optional>

namespace {

constexpr int kMeasuredMs = 1000;

std::optional<pendix::game::solver::Plan> levelNinePlan() {
    const auto file =
        pendix::readLevelFileLines(platform::programFolder() + QString::fromStdString(pendix::builtInLevelPath(9)));
    if (!file.ok()) return std::nullopt;
    const auto read = pendix::game::readLevel(file.lines);
    if (!read.ok()) return std::nullopt;
    return pendix::game::solver::solve(read.level);
}

void runEventLoopFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// An empty precise 1 ms timer on a thread and event loop of its own: what the
// machine gives a 1 ms timer at the very time the car drives, so that the load
// of other programs weighs on both figures alike.
class EmptyTimerThread : public QThread {
public:
    ~EmptyTimerThread() override {
        quit();
        wait();
    }
    long ticks() const { return ticks_.load(); }

protected:
    void run() override {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] { ++ticks_; });
        timer.start(1);
        exec();
    }

private:
    std::atomic<long> ticks_{0};
};

// Wraps the step timer's handler: the planned key just before each step, a new
// start just after a won one.
class Player {
public:
    Player(pendix::game::frmHaupt& window, pendix::game::solver::Plan plan) : window_(window), plan_(std::move(plan)) {
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
    void press(pendix::game::solver::Key key) {
        int ascii = key == pendix::game::solver::Key::Left ? '4' : key == pendix::game::solver::Key::Right ? '6' : 0;
        if (ascii != 0) window_.Form_KeyPress(ascii);
    }

    pendix::game::frmHaupt& window_;
    pendix::game::solver::Plan plan_;
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
    EmptyTimerThread empty;
    empty.start();
    runEventLoopFor(100);  // both timers under way
    double steps = 0, ticks = 0;
    for (auto _ : state) {
        const double stepsBefore = player.steps();
        const long ticksBefore = empty.ticks();
        player.start();
        runEventLoopFor(kMeasuredMs);
        steps += player.steps() - stepsBefore;
        ticks += static_cast<double>(empty.ticks() - ticksBefore);
    }
    game.window.tmeWeiter.setEnabled(false);
    const std::string shown = game.messages();
    if (player.wins() == 0 || shown.find("verloren") != std::string::npos ||
        shown.find("wo wollen") != std::string::npos)
        state.SkipWithError(("the car did not win level 9: " + shown.substr(0, 300)).c_str());
    const double seconds = static_cast<double>(state.iterations()) * kMeasuredMs / 1000.0;
    state.counters["steps_per_s"] = steps / seconds;
    state.counters["empty_per_s"] = ticks / seconds;
    state.counters["ratio"] = steps / ticks;
    state.counters["level_runs"] = player.wins();
}
BENCHMARK(CarStepsThroughTimer)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace
