// The benchmarks' shared main: an offscreen GUI application (fonts and painting need one)
// around Google Benchmark.
#ifdef VINAXO_BENCH_WIDGETS
#include <QApplication>
using BenchApplication = QApplication; // benchmarks of windows
#else
#include <QGuiApplication>
using BenchApplication = QGuiApplication;
#endif
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    BenchApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
