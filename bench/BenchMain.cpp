#include "platform/FreedMemory.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    // The window benchmarks draw real windows that never reach a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As the program itself does.
    quillane::keepFreedMemory();
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
