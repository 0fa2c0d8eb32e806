#pragma once
// The figure of each benchmark beside its goal, printed after the usual table.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace bench {

// Prints the usual console table and keeps every run for the goal table.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // One line per goal: the figure, the goal and whether it is met. False when any is missed.
    bool printGoals() const;

private:
    std::vector<Run> runs_;
};

}  // namespace bench
