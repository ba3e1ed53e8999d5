// The benchmarks' main: the application object lives on main's stack around
// the benchmark run, so it is gone before Qt's own statics are torn down and
// every run exits 0 with its output complete.
#include <benchmark/benchmark.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    // The Qt path draws through the game's real window: offscreen unless the
    // caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
