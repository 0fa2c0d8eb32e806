// Each program in a fresh process on the X display: the time from the process's
// start to its window painted on the screen, beside a bare Qt window of the same
// size started the same way, and the program's peak memory over a short session.
#include "start_bench.h"

#include "process/program_run.h"
#include "programs.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace bench {
namespace {

constexpr int kPaintTimeoutMs = 30000;
constexpr auto kSettle = std::chrono::milliseconds(400);  // for the program to answer one user action
constexpr auto kDrive = std::chrono::seconds(3);

bool haveDisplay(benchmark::State& state) {
    if (std::getenv("DISPLAY")) return true;
    state.SkipWithError("no X display (make bench runs these under Xvfb)");
    return false;
}

Launch programLaunch(const Program& program, bool startPhases = false) {
    return {std::string(PENDIX_PROGRAM_DIR) + '/' + program.executable, {}, program.windowTitle, PENDIX_PROGRAM_DIR,
            startPhases};
}

Launch bareLaunch(const FirstPaint& size) {
    return {PENDIX_BARE_WINDOW, {std::to_string(size.width), std::to_string(size.height), "bare"}, "bare",
            PENDIX_PROGRAM_DIR};
}

struct Started {
    LoggedStart logged;
    double ms() const { return static_cast<double>(logged.paint.monotonicNs - logged.startedNs) / 1e6; }
    double cpuMs() const { return static_cast<double>(logged.paint.cpuNs) / 1e6; }
};

std::optional<Started> startToFirstPaint(const Launch& launch, std::string& error) {
    auto running = RunningProgram::start(launch, error);
    if (!running) return std::nullopt;
    const auto paint = running->waitForFirstPaint(kPaintTimeoutMs);
    if (!paint) {
        error = launch.executable + " showed no painted window \"" + launch.windowTitle + '"';
        return std::nullopt;
    }
    return Started{{running->startedNs(), *paint, running->reported()}};
}

// The program and then the bare window of its size.
std::optional<std::pair<Started, Started>> startBoth(const Program& program, bool startPhases, std::string& error) {
    const auto started = startToFirstPaint(programLaunch(program, startPhases), error);
    const auto bare = started ? startToFirstPaint(bareLaunch(started->logged.paint), error) : std::nullopt;
    if (!bare) return std::nullopt;
    return std::pair{*started, *bare};
}

// Each repetition: once each uncounted (a first start may read its libraries
// from disk), once each timed, and once each with the program's start log on,
// for the table of where the time goes: the timed starts run as a user's do.
void ProgramStart(benchmark::State& state, const Program& program, StartPhaseTable& phases) {
    if (!haveDisplay(state)) return;
    std::string error;
    if (!startBoth(program, false, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    double programMs = 0, bareMs = 0, programCpuMs = 0, bareCpuMs = 0;
    for (auto _ : state) {
        const auto timed = startBoth(program, false, error);
        if (!timed) {
            state.SkipWithError(error.c_str());
            return;
        }
        programMs += timed->first.ms();
        bareMs += timed->second.ms();
        programCpuMs += timed->first.cpuMs();
        bareCpuMs += timed->second.cpuMs();
        state.SetIterationTime(timed->first.ms() / 1e3);
    }
    if (const auto logged = startBoth(program, true, error))
        phases.add(program.executable, logged->first.logged, logged->second.logged);
    const double n = static_cast<double>(state.iterations());
    // The processor time each had used by its first paint: what the start costs,
    // however busy the machine is; the wall clock beside it.
    state.counters["start_cpu_ms"] = programCpuMs / n;
    state.counters["bare_cpu_ms"] = bareCpuMs / n;
    state.counters["cpu_ratio"] = programCpuMs / bareCpuMs;
    state.counters["start_ms"] = programMs / n;
    state.counters["bare_ms"] = bareMs / n;
    state.counters["wall_ratio"] = programMs / bareMs;
}

bool perform(const UserAction& action, const FirstPaint& window) {
    const std::string id = std::to_string(window.windowId);
    if (action.kind == UserAction::Kind::Click) {
        const int x = window.clientX + action.xTwips / 15;
        const int y = window.clientY + action.yTwips / 15;
        // Raised and focused first, so the click does not depend on where the window manager put it.
        return xdotool({"windowraise", id, "windowfocus", id, "mousemove", "--window", id, std::to_string(x), std::to_string(y), "click",
                        "1"});
    }
    return xdotool(
        {"windowfocus", id, "key", "--delay", "5", "--repeat", std::to_string(action.repeat), action.keys});
}

void PeakMemory(benchmark::State& state, const Program& program) {
    if (!haveDisplay(state)) return;
    double peakKb = 0;
    std::string error;
    for (auto _ : state) {
        auto running = RunningProgram::start(programLaunch(program), error);
        const auto paint = running ? running->waitForFirstPaint(kPaintTimeoutMs) : std::nullopt;
        if (!paint) {
            state.SkipWithError(error.empty() ? "the program showed no window" : error.c_str());
            return;
        }
        for (const UserAction& action : program.session) {
            if (!perform(action, *paint)) {
                state.SkipWithError(("xdotool failed at " + action.keys).c_str());
                return;
            }
            std::this_thread::sleep_for(kSettle);
        }
        std::this_thread::sleep_for(kDrive);
        peakKb = std::max(peakKb, static_cast<double>(running->endAndPeakKb()));
    }
    state.counters["peak_MB"] = peakKb / 1024.0;
}

}  // namespace

std::string startBenchmarkName(const Program& program) { return "ProgramStart/" + program.executable; }
std::string memoryBenchmarkName(const Program& program) { return "PeakMemory/" + program.executable; }

void registerProgramBenchmarks(StartPhaseTable& phases) {
    for (const Program& program : programs()) {
        benchmark::RegisterBenchmark(startBenchmarkName(program).c_str(),
                                     [&program, &phases](benchmark::State& state) {
                                         ProgramStart(state, program, phases);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(11)
            ->ReportAggregatesOnly(true);
        benchmark::RegisterBenchmark(memoryBenchmarkName(program).c_str(), PeakMemory, program)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(1)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    }
}

}  // namespace bench
