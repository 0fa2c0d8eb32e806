#pragma once
// The figure of each benchmark beside its goal, printed after the usual table:
// the median over the benchmark's repetitions, and where the figure has a peer
// or a floor measured in the same run, that one and the ratio the goal is on.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Goal {
    std::string benchmark;  // as registered
    std::string figure;
    std::string counter;  // the figure's value
    std::string unit;
    std::string peer;             // what it is measured against ("floor"); empty for none
    std::string peerCounter;      // the peer's value, in the same unit
    std::string ratioCounter;     // empty: the goal is on the value itself
    bool atMost = true;           // the value (or ratio) must not exceed the limit; else it must reach it
    std::optional<double> limit;  // none: the figure is only printed
    // A second measure of the same figure, printed beside it but not judged
    // (the wall clock beside processor time): its name, value, peer's value and ratio.
    std::string besideName = {};
    std::string besideCounter = {};
    std::string besidePeerCounter = {};
    std::string besideRatioCounter = {};
};

// Every goal of the suite, the programs' included.
std::vector<Goal> allGoals();

// Prints the usual console table and keeps every run for the goal table.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    // The table in plain text: its lines go into logs and notes.
    GoalReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override;
    // One line per goal whose benchmark ran: figure, peer, ratio, goal, met or
    // not, and the measure beside it.
    // False when any of them is missed.
    bool printGoals(const std::string& platform) const;

private:
    std::vector<Run> runs_;
};

}  // namespace bench
