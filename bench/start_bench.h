#pragma once
// The benchmarks that start each program of programs.h in a fresh process.
#include "programs.h"
#include "start_phase_table.h"

#include <string>

namespace bench {

std::string startBenchmarkName(const Program& program);
std::string memoryBenchmarkName(const Program& program);

// Registers ProgramStart/<program> and PeakMemory/<program> for every program;
// the starts with the start log on go into `phases`, which must outlive the runs.
void registerProgramBenchmarks(StartPhaseTable& phases);

}  // namespace bench
