// The benchmarks of the suite, on the program folder that `make bench` lays out.
// Every figure is printed beside its goal at the end. Run on the offscreen
// platform when no display is given; `make bench` runs them under Xvfb as well.
#include "bench_window.h"
#include "goals.h"
#include "platform/application.h"
#include "start_bench.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    platform::Application app(argc, argv, QStringLiteral("Pendix"));
    if (!bench::useProgramFolder()) return 1;
    bench::StartPhaseTable phases;
    bench::registerProgramBenchmarks(phases);
    bench::GoalReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printGoals(QGuiApplication::platformName().toStdString());
    phases.print();
    return 0;
}
