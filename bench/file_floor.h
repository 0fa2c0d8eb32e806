#pragma once
// The floor of a level load: the same files read with nothing but the system's
// own open, read and close, straight into one buffer.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bench {

class FileFloor {
public:
    explicit FileFloor(std::vector<std::string> paths) : paths_(std::move(paths)) {}
    // Reads every file once; the total of bytes read (0 when one cannot be read).
    long readAll();
    std::size_t count() const { return paths_.size(); }

private:
    std::vector<std::string> paths_;
    std::vector<char> buffer_ = std::vector<char>(1 << 16);
};

// A figure beside the floor of reading its files, the two taken in turns first
// and second, so that neither always finds what the other left in the caches.
class AgainstFloor {
public:
    explicit AgainstFloor(std::vector<std::string> paths) : floor_(std::move(paths)) {}
    // Runs `figure`, which gives the nanoseconds it measured, and the floor; the
    // figure's nanoseconds are the iteration's time.
    void measure(benchmark::State& state, const std::function<std::int64_t()>& figure);
    // The figure as `name`, "floor_ms" (both in ms per iteration), "ratio" and "files".
    void report(benchmark::State& state, const char* name) const;
    // Another figure of the same iterations, `totalNs` over all of them, as `name`
    // in ms per iteration and its ratio to the floor as `ratioName`.
    void reportBeside(benchmark::State& state, const char* name, const char* ratioName, double totalNs) const;

private:
    std::int64_t readFloor();
    FileFloor floor_;
    double figureNs_ = 0, floorNs_ = 0;
    bool floorFirst_ = false;
};

}  // namespace bench
