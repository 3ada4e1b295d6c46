#pragma once

#include <QApplication>
#include <QByteArray>

#include <benchmark/benchmark.h>

// The main() of a benchmark that paints widgets: offscreen unless told otherwise, one
// application for every run, `prepare` (if any) once it exists, `finish` (if any) after the
// last run, while the application still exists.
inline int runWidgetBenchmarks(int &argc, char **argv, void (*prepare)() = nullptr,
                               void (*finish)() = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (prepare)
        prepare();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    if (finish)
        finish();
    benchmark::Shutdown();
    return 0;
}
