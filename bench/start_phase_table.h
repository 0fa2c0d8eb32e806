#pragma once
// Where each program's start spends its time: the steps that its start log
// (platform/start_phases.h) marks and the probe's moments, taken from starts
// with the log on, beside the bare window's; printed after the goals.
#include "bench/probe/first_paint_report.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace bench {

// One step's time: processor and wall clock, in milliseconds.
struct StepTime {
    double cpuMs = 0;
    double wallMs = 0;
};

// A logged start, as taken from its report pipe.
struct LoggedStart {
    std::int64_t startedNs = 0;  // CLOCK_MONOTONIC just before the process was made
    FirstPaint paint;
    std::string reported;  // the program's start log lines (none for the bare window)
};

class StartPhaseTable {
public:
    enum Step {
        LibrariesAndQtBegun,
        QtStarted,
        Fonts,
        BeforeWindow,
        Controls,
        FormLoad,
        Shown,
        Pictures,
        EventsUntilPaint,
        QtBegunToPaint,
        Paint,
        Total,
        kSteps
    };
    using Breakdown = std::array<std::optional<StepTime>, kSteps>;

    // The breakdown of one logged start; a step whose marks are missing stays empty.
    static Breakdown breakdown(const LoggedStart& start);
    // Pictures read or drawn by the first paint, per the start log.
    static long pictureCount(const LoggedStart& start);

    // One logged start of `program` and one of its bare window.
    void add(const std::string& program, const LoggedStart& started, const LoggedStart& bare);
    // The table: per program, each step's median over its logged starts.
    void print() const;

private:
    struct Samples {
        std::string program;
        std::vector<Breakdown> starts, bares;
        std::vector<long> pictures;
    };
    std::vector<Samples> programs_;
};

}  // namespace bench
