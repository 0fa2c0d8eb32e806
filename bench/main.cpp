// The benchmarks of the game, on the program folder that `make bench` lays out.
// Every figure is printed beside its goal at the end.
#include "bench_window.h"
#include "game_child.h"
#include "goals.h"

#include "platform/application.h"

#include <benchmark/benchmark.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], bench::kGameChildOption) == 0) {
        int childArgc = 1;
        return bench::runGameChild(childArgc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    platform::Application app(argc, argv, QStringLiteral("Pendix"));
    if (!bench::useProgramFolder()) return 1;
    bench::GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printGoals();
    return 0;
}
