#include "goals.h"

#include "programs.h"
#include "start_bench.h"

#include <cstdio>
#include <optional>

namespace bench {
namespace {

using Run = benchmark::BenchmarkReporter::Run;

std::optional<double> counterOf(const Run& run, const std::string& name) {
    const auto it = run.counters.find(name);
    if (it == run.counters.end()) return std::nullopt;
    return it->second.value;
}

// The run a figure is read from: the median of the repetitions, or the one run there is.
const Run* figureRun(const std::vector<Run>& runs, const std::string& benchmark) {
    const Run* single = nullptr;
    for (const Run& run : runs) {
        if (run.run_name.function_name != benchmark || run.error_occurred) continue;
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") return &run;
        if (run.run_type == Run::RT_Iteration) single = &run;
    }
    return single;
}

// "wall 250.1 ms against 150.2 ms, 1.665 x", or nothing.
std::string besideText(const Goal& goal, const Run& run) {
    if (goal.besideCounter.empty()) return {};
    const auto value = counterOf(run, goal.besideCounter);
    const auto peer = counterOf(run, goal.besidePeerCounter);
    const auto ratio = counterOf(run, goal.besideRatioCounter);
    if (!value || !peer || !ratio) return {};
    char text[96];
    std::snprintf(text, sizeof text, "%s %.2f %s against %.2f %s, %.3f x", goal.besideName.c_str(), *value,
                  goal.unit.c_str(), *peer, goal.unit.c_str(), *ratio);
    return text;
}

bool ranAtAll(const std::vector<Run>& runs, const std::string& benchmark) {
    for (const Run& run : runs)
        if (run.run_name.function_name == benchmark) return true;
    return false;
}

}  // namespace

std::vector<Goal> allGoals() {
    std::vector<Goal> goals = {
        {"ClearBoardAndLoadLevel", "ClearBoard + LoadLevel, 400 tiles", "load_ms", "ms", "floor", "floor_ms", "ratio",
         true, 2},
        {"ClearBoardAndLoadLevel", "the same load with its paint", "painted_ms", "ms", "floor", "floor_ms",
         "painted_ratio", true, std::nullopt},
        {"AnimationTick", "animation tick of 400 cells, painted", "tick_ms", "ms", "", "", "", true, 10},
        {"CarStepsThroughTimer", "car steps at 1 ms over level 9", "steps_per_s", "/s", "empty timer", "empty_per_s",
         "ratio", false, 0.97},
        {"EditorPlaceTile", "Editor: click placing a tile, painted", "place_ms", "ms", "", "", "", true, 2},
        {"EditorPageSwitch", "Editor: palette page switch, painted", "switch_ms", "ms", "", "", "", true, 2},
        {"EditorNew", "Editor: \"Neu\" on a full board, painted", "new_ms", "ms", "", "", "", true, std::nullopt},
        {"EditorOpen", "Editor: \"Öffnen\" of a full board, painted", "open_ms", "ms", "floor", "floor_ms", "ratio",
         true, std::nullopt},
        {"EditorCountWindow", "Editor: count window on a full board", "count_ms", "ms", "", "", "", true, 60},
    };
    for (const Program& program : programs()) {
        goals.push_back({startBenchmarkName(program), program.executable + " start, processor time", "start_cpu_ms",
                         "ms", "bare window", "bare_cpu_ms", "cpu_ratio", true, 1.5, "wall", "start_ms", "bare_ms",
                         "wall_ratio"});
        goals.push_back(
            {memoryBenchmarkName(program), program.executable + " peak memory", "peak_MB", "MB", "", "", "", true, 80});
    }
    return goals;
}

void GoalReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    runs_.insert(runs_.end(), runs.begin(), runs.end());
}

bool GoalReporter::printGoals(const std::string& platform) const {
    bool allMet = true;
    std::printf("\nGoals (medians; Qt platform: %s)\n", platform.c_str());
    std::printf("%-42s %12s   %-26s %8s   %-18s %-8s %s\n", "figure", "measured", "against", "ratio", "goal", "",
                "beside it");
    for (const Goal& goal : allGoals()) {
        if (!ranAtAll(runs_, goal.benchmark)) continue;
        const Run* run = figureRun(runs_, goal.benchmark);
        const auto value = run ? counterOf(*run, goal.counter) : std::nullopt;
        const auto peer = run && !goal.peerCounter.empty() ? counterOf(*run, goal.peerCounter) : std::nullopt;
        const auto ratio = run && !goal.ratioCounter.empty() ? counterOf(*run, goal.ratioCounter) : std::nullopt;
        const std::optional<double> judged = goal.ratioCounter.empty() ? value : ratio;
        const bool met =
            run && (!goal.limit || (judged && (goal.atMost ? *judged <= *goal.limit : *judged >= *goal.limit)));
        allMet = allMet && met;

        char measured[32] = "-", against[48] = "", ratioText[16] = "", limit[32];
        if (value) std::snprintf(measured, sizeof measured, "%.2f %s", *value, goal.unit.c_str());
        if (peer) std::snprintf(against, sizeof against, "%s %.2f %s", goal.peer.c_str(), *peer, goal.unit.c_str());
        if (ratio) std::snprintf(ratioText, sizeof ratioText, "%.3f x", *ratio);
        if (goal.limit)
            std::snprintf(limit, sizeof limit, "%s %g%s", goal.atMost ? "at most" : "at least", *goal.limit,
                          goal.ratioCounter.empty() ? (" " + goal.unit).c_str() : " x");
        else
            std::snprintf(limit, sizeof limit, "none");
        const char* verdict = !run ? "MISSED (failed)" : !goal.limit ? "" : met ? "met" : "MISSED";
        std::printf("%-42s %12s   %-26s %8s   %-18s %-8s %s\n", goal.figure.c_str(), measured, against, ratioText,
                    limit, verdict, run ? besideText(goal, *run).c_str() : "");
    }
    return allMet;
}

}  // namespace bench
