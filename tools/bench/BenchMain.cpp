// The benchmarks' main: the application object lives on main's stack around
// the benchmark run, so it is gone before Qt's own statics are torn down and
// every run exits 0 with its output complete.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    // The Qt path draws through the game's real window: offscreen unless the
    // caller chose a platform, on two screens, the second of scale 2.
    QTemporaryDir folder;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && folder.isValid()) {
        QFile screens(folder.filePath(QStringLiteral("screens.json")));
        if (screens.open(QIODevice::WriteOnly)) {
            screens.write(R"({"screens": [
                {"name": "one", "x": 0, "y": 0, "width": 1600, "height": 1200, "dpr": 1},
                {"name": "two", "x": 1600, "y": 0, "width": 1600, "height": 1200, "dpr": 2}]})");
            screens.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
        }
    }
    QApplication application(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
