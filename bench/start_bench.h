#pragma once
// The benchmarks that start each program of programs.h in a fresh process.
#include "programs.h"

#include <string>

namespace bench {

std::string startBenchmarkName(const Program& program);
std::string memoryBenchmarkName(const Program& program);

// Registers ProgramStart/<program> and PeakMemory/<program> for every program.
void registerProgramBenchmarks();

}  // namespace bench
