#pragma once
// A program started in a fresh process the way a user's desktop starts it, with
// the first-paint probe preloaded (see probe/first_paint_probe.cpp) and its output
// discarded. The clock starts just before the process is made.
#include "bench/probe/first_paint_report.h"

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Launch {
    std::string executable;  // full path
    std::vector<std::string> arguments;
    std::string windowTitle;   // the window whose first paint counts
    std::string folder;        // the working folder
    bool startPhases = false;  // the program writes its start log (platform/start_phases.h) to the report pipe
};

class RunningProgram {
public:
    // Starts the program; on failure `error` says why and the result is empty.
    static std::optional<RunningProgram> start(const Launch& launch, std::string& error);
    RunningProgram(RunningProgram&& other) noexcept;
    RunningProgram& operator=(RunningProgram&&) = delete;
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram();  // ends it if it still runs

    std::int64_t startedNs() const { return startedNs_; }
    // The probe's report, once the window is on the screen; nothing when the
    // program ends or does not report within `timeoutMs`.
    std::optional<FirstPaint> waitForFirstPaint(int timeoutMs);
    // Everything the program and the probe wrote to the report pipe so far.
    const std::string& reported() const { return received_; }
    // Ends the program (SIGKILL) and returns its peak resident memory in kB, or -1.
    long endAndPeakKb();

private:
    RunningProgram(pid_t pid, int reportFd, std::int64_t startedNs);
    pid_t pid_;
    int reportFd_;
    std::int64_t startedNs_;
    std::string received_;
};

// Runs `xdotool` with these arguments against the display of the benchmarks and
// waits for it; false when it fails.
bool xdotool(const std::vector<std::string>& arguments);

}  // namespace bench
