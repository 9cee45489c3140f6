// The main of a benchmark program that needs widgets: a QApplication
// (offscreen unless QT_QPA_PLATFORM says otherwise), then the fixture, which
// the benchmarks reach through `slot` while they run.
#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

template <typename Fixture> int runQtBenchmarks(int argc, char **argv, Fixture *&slot)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    Fixture fixture;
    slot = &fixture;
    benchmark::RunSpecifiedBenchmarks();
    slot = nullptr;
    benchmark::Shutdown();
    return 0;
}
