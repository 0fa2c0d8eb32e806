#include "file_floor.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <unistd.h>

namespace bench {

long FileFloor::readAll() {
    long total = 0;
    for (const std::string& path : paths_) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return 0;
        const ssize_t got = ::read(fd, buffer_.data(), buffer_.size());
        ::close(fd);
        if (got < 0) return 0;
        total += got;
    }
    return total;
}

std::int64_t AgainstFloor::readFloor() {
    QElapsedTimer clock;
    clock.start();
    benchmark::DoNotOptimize(floor_.readAll());
    return clock.nsecsElapsed();
}

void AgainstFloor::measure(benchmark::State& state, const std::function<std::int64_t()>& figure) {
    std::int64_t floorNs = floorFirst_ ? readFloor() : 0;
    const std::int64_t figureNs = figure();
    if (!floorFirst_) floorNs = readFloor();
    floorFirst_ = !floorFirst_;
    figureNs_ += static_cast<double>(figureNs);
    floorNs_ += static_cast<double>(floorNs);
    state.SetIterationTime(static_cast<double>(figureNs) / 1e9);
}

void AgainstFloor::report(benchmark::State& state, const char* name) const {
    const double n = static_cast<double>(state.iterations());
    state.counters[name] = figureNs_ / n / 1e6;
    state.counters["floor_ms"] = floorNs_ / n / 1e6;
    state.counters["ratio"] = figureNs_ / floorNs_;
    state.counters["files"] = static_cast<double>(floor_.count());
}

void AgainstFloor::reportBeside(benchmark::State& state, const char* name, const char* ratioName,
                                double totalNs) const {
    state.counters[name] = totalNs / static_cast<double>(state.iterations()) / 1e6;
    state.counters[ratioName] = totalNs / floorNs_;
}

}  // namespace bench
