#pragma once
// What the first-paint probe tells the benchmark that started a program: the
// moment its window was first on the screen, which X window it is, its size and
// where its client area lies in it (below the menu bar). One text line on a pipe.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace bench {

// The probe library, preloaded into the program, reads these.
inline constexpr char kProbeFdVariable[] = "PENDIX_FIRST_PAINT_FD";          // the pipe to write to
inline constexpr char kProbeWindowVariable[] = "PENDIX_FIRST_PAINT_WINDOW";  // the window's title

// One moment in the program: the machine's clock and the program's processor time.
struct Moment {
    std::int64_t monotonicNs = 0;  // CLOCK_MONOTONIC, shared by every process of the machine
    std::int64_t cpuNs = 0;        // the processor time the program had used by then
};

struct FirstPaint {
    std::int64_t monotonicNs = 0;  // on the screen: CLOCK_MONOTONIC
    std::int64_t cpuNs = 0;        // and the processor time the program had used by then
    Moment qtBegun;                // Qt's start hook ran, inside the application object's making
    Moment painting;               // the window's first paint event began
    std::uint64_t windowId = 0;    // 0 off X
    int width = 0;
    int height = 0;
    int clientX = 0;
    int clientY = 0;
};

std::string reportLine(const FirstPaint& paint);
// The report in `text` (which may hold more than the line); nothing for anything else.
std::optional<FirstPaint> parseReport(std::string_view text);

// Now, on both clocks.
Moment now();
// CLOCK_MONOTONIC now, in nanoseconds.
std::int64_t monotonicNow();
// The processor time this process has used, in nanoseconds.
std::int64_t processCpuNow();

}  // namespace bench
