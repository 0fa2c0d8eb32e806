#pragma once
// How the window figures run: `Iterations` timed runs of the action, five
// repetitions of them, the median of the repetitions reported.
//
//     BENCHMARK(EditorOpen)->Apply(bench::timedRuns<20>);
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

namespace bench {

template <int Iterations>
void timedRuns(benchmark::internal::Benchmark* figure) {
    figure->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(Iterations)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);
}

// Times `action` as this iteration's time, adds it to `totalNs` and returns it.
template <class Action>
qint64 timeIteration(benchmark::State& state, double& totalNs, Action&& action) {
    QElapsedTimer clock;
    clock.start();
    action();
    const qint64 ns = clock.nsecsElapsed();
    totalNs += static_cast<double>(ns);
    state.SetIterationTime(static_cast<double>(ns) / 1e9);
    return ns;
}

// `totalNs` over the iterations, in milliseconds, as the counter `name`.
inline void reportMs(benchmark::State& state, const char* name, double totalNs) {
    state.counters[name] = totalNs / static_cast<double>(state.iterations()) / 1e6;
}

}  // namespace bench
