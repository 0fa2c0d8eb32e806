#include "start_phases.h"

#include <unistd.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace platform {
namespace {

std::int64_t nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

int descriptorFromEnvironment() {
    const char* value = std::getenv("PENDIX_START_PHASES");
    if (!value || !*value) return -1;
    char* end = nullptr;
    const long fd = std::strtol(value, &end, 10);
    return *end == '\0' && fd >= 0 && fd <= 1'000'000 ? static_cast<int>(fd) : -1;
}

}  // namespace

StartPhases::StartPhases() : fd_(descriptorFromEnvironment()) {}

void StartPhases::mark(const char* step) {
    if (!on() || std::find(marked_.begin(), marked_.end(), step) != marked_.end()) return;
    marked_.emplace_back(step);
    const std::int64_t monotonic = nanoseconds(CLOCK_MONOTONIC);
    const std::int64_t processor = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
    char line[200];
    const int length =
        std::snprintf(line, sizeof line, "phase %s %" PRId64 " %" PRId64 " %ld %" PRId64 " %" PRId64 "\n", step,
                      monotonic, processor, pictures_, pictureMonotonicNs_, pictureProcessorNs_);
    // One write a line: lines from the program and from a library watching it never interleave.
    if (length > 0 && static_cast<std::size_t>(length) < sizeof line) {
        [[maybe_unused]] const ssize_t written = ::write(fd_, line, static_cast<std::size_t>(length));
    }
}

void StartPhases::addPicture(std::int64_t monotonicNs, std::int64_t processorNs) {
    ++pictures_;
    pictureMonotonicNs_ += monotonicNs;
    pictureProcessorNs_ += processorNs;
}

PictureTiming::PictureTiming() : log_(startPhases()) {
    if (!log_) return;
    monotonicNs_ = nanoseconds(CLOCK_MONOTONIC);
    processorNs_ = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
}

PictureTiming::~PictureTiming() {
    if (!log_) return;
    log_->addPicture(nanoseconds(CLOCK_MONOTONIC) - monotonicNs_, nanoseconds(CLOCK_PROCESS_CPUTIME_ID) - processorNs_);
}

}  // namespace platform
