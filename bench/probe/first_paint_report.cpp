#include "first_paint_report.h"

#include <cinttypes>
#include <cstdio>
#include <ctime>

namespace bench {
namespace {

constexpr char kWord[] = "painted";

std::int64_t nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

std::string reportLine(const FirstPaint& paint) {
    char line[320];
    std::snprintf(line, sizeof line,
                  "%s %" PRId64 " %" PRId64 " %" PRIu64 " %d %d %d %d %" PRId64 " %" PRId64 " %" PRId64 " %" PRId64 "\n",
                  kWord, paint.monotonicNs, paint.cpuNs, paint.windowId, paint.width, paint.height, paint.clientX,
                  paint.clientY, paint.qtBegun.monotonicNs, paint.qtBegun.cpuNs, paint.painting.monotonicNs,
                  paint.painting.cpuNs);
    return line;
}

std::optional<FirstPaint> parseReport(std::string_view text) {
    const std::size_t at = text.find(kWord);
    const std::size_t end = at == std::string_view::npos ? at : text.find('\n', at);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string line(text.substr(at, end - at));
    FirstPaint paint;
    const int read = std::sscanf(
        line.c_str(), "painted %" SCNd64 " %" SCNd64 " %" SCNu64 " %d %d %d %d %" SCNd64 " %" SCNd64 " %" SCNd64 " %" SCNd64,
        &paint.monotonicNs, &paint.cpuNs, &paint.windowId, &paint.width, &paint.height, &paint.clientX, &paint.clientY,
        &paint.qtBegun.monotonicNs, &paint.qtBegun.cpuNs, &paint.painting.monotonicNs, &paint.painting.cpuNs);
    if (read != 11) return std::nullopt;
    return paint;
}

Moment now() { return {monotonicNow(), processCpuNow()}; }

std::int64_t monotonicNow() { return nanoseconds(CLOCK_MONOTONIC); }
std::int64_t processCpuNow() { return nanoseconds(CLOCK_PROCESS_CPUTIME_ID); }

}  // namespace bench
