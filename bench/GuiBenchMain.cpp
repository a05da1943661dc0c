// The main of the benchmarks that decode or draw through Qt Gui: an
// offscreen application, with the picture memory tuned as the editor and
// velaskin-cli tune it.
#include "pictures/AllocatorTuning.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    keepFreedPictureMemory();
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
