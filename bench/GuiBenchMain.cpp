// The main of the benchmarks that decode or draw through Qt Gui (or, built
// with VELASKIN_BENCH_WIDGETS, show widgets): an offscreen application, with
// the picture memory tuned as the editor and velaskin-cli tune it.
#include "pictures/AllocatorTuning.h"

#ifdef VELASKIN_BENCH_WIDGETS
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QGuiApplication>
using BenchApplication = QGuiApplication;
#endif

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    keepFreedPictureMemory();
    BenchApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
