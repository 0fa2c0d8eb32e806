#pragma once
// Where a program's start spends its time. With the environment variable
// PENDIX_START_PHASES holding an open file descriptor (2 for the error output),
// each step of the start writes one line there the first time it is reached:
//
//     phase <step> <monotonic ns> <processor ns> <pictures> <their monotonic ns> <their processor ns>
//
// the machine's monotonic clock, the processor time the process has used so far,
// and the pictures read (or drawn) so far with the time they took. The start
// benchmark reads these lines; without the variable a step costs one test.
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class StartPhases {
public:
    // Writes to the descriptor that PENDIX_START_PHASES names; off without it.
    StartPhases();
    // Writes to `fd` (off when negative).
    explicit StartPhases(int fd) : fd_(fd) {}

    bool on() const { return fd_ >= 0; }
    // The step's line, once: a step reached again (a second window) writes nothing.
    void mark(const char* step);
    // Adds one picture that took these times.
    void addPicture(std::int64_t monotonicNs, std::int64_t processorNs);

private:
    int fd_ = -1;
    std::vector<std::string> marked_;
    long pictures_ = 0;
    std::int64_t pictureMonotonicNs_ = 0;
    std::int64_t pictureProcessorNs_ = 0;
};

// The running program's log while it is on; null when it is off or there is no
// application (see application.h).
StartPhases* startPhases();

// Marks a step of the start in the running program's log, if it is on.
inline void markStartPhase(const char* step) {
    if (StartPhases* log = startPhases()) log->mark(step);
}

// Counts one picture read and decoded, or drawn, from its making to its end, in
// the running program's log, if it is on.
class PictureTiming {
public:
    PictureTiming();
    ~PictureTiming();
    PictureTiming(const PictureTiming&) = delete;
    PictureTiming& operator=(const PictureTiming&) = delete;

private:
    StartPhases* log_;
    std::int64_t monotonicNs_ = 0;
    std::int64_t processorNs_ = 0;
};

}  // namespace platform
