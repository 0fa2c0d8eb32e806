#include "goals.h"

#include <cstdio>
#include <functional>
#include <optional>

namespace bench {
namespace {

struct Goal {
    const char* benchmark;
    const char* figure;
    const char* unit;
    bool atMost;  // the figure must not exceed the limit; else it must reach it
    double limit;
    std::function<double(const benchmark::BenchmarkReporter::Run&)> value;
};

double realTime(const benchmark::BenchmarkReporter::Run& run) { return run.GetAdjustedRealTime(); }
std::function<double(const benchmark::BenchmarkReporter::Run&)> counter(const char* name) {
    return [name](const benchmark::BenchmarkReporter::Run& run) {
        const auto it = run.counters.find(name);
        return it == run.counters.end() ? 0.0 : it->second.value;
    };
}

const Goal kGoals[] = {
    {"ClearBoardAndLoadLevel", "ClearBoard + LoadLevel, 400 tiles", "ms", true, 8, realTime},
    {"AnimationTick", "animation tick, 400 cells + icon", "ms", true, 10, realTime},
    {"CarSteps", "car steps at 1 ms, animation running", "steps/s", false, 900, counter("items_per_second")},
    {"GameStartAndPeakMemory", "game start to window shown", "ms", true, 150, realTime},
    {"GameStartAndPeakMemory", "peak memory of the game", "MB", true, 80, counter("peak_MB")},
};

// Figures without a goal of their own, printed below the goals.
struct Figure {
    const char* benchmark;
    const char* figure;
    const char* unit;
    const char* counterName;
};
const Figure kFigures[] = {
    {"CarStepsPacedByTimer", "car steps paced by the real 1 ms timer", "steps/s", "steps_per_s"},
    {"EmptyTimerTicks", "an empty 1 ms timer, for comparison", "ticks/s", "ticks_per_s"},
};

}  // namespace

void GoalReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    runs_.insert(runs_.end(), runs.begin(), runs.end());
}

bool GoalReporter::printGoals() const {
    bool allMet = true;
    std::printf("\n%-40s %12s   %s\n", "figure", "measured", "goal");
    for (const Goal& goal : kGoals) {
        std::optional<double> value;
        for (const Run& run : runs_)
            if (run.run_name.function_name == goal.benchmark && run.run_type == Run::RT_Iteration && !run.error_occurred)
                value = goal.value(run);
        const bool met = value && (goal.atMost ? *value <= goal.limit : *value >= goal.limit);
        allMet = allMet && met;
        if (value)
            std::printf("%-40s %9.2f %-7s %s %g %s  %s\n", goal.figure, *value, goal.unit, goal.atMost ? "at most" : "at least",
                        goal.limit, goal.unit, met ? "met" : "MISSED");
        else
            std::printf("%-40s %12s   %s %g %s  MISSED (no figure)\n", goal.figure, "-", goal.atMost ? "at most" : "at least",
                        goal.limit, goal.unit);
    }
    for (const Figure& figure : kFigures)
        for (const Run& run : runs_)
            if (run.run_name.function_name == figure.benchmark && !run.error_occurred)
                std::printf("%-40s %9.2f %-7s (no goal)\n", figure.figure, counter(figure.counterName)(run), figure.unit);
    return allMet;
}

}  // namespace bench
