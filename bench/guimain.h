#pragma once

#include <QApplication>
#include <QLocale>
#include <benchmark/benchmark.h>
#include <functional>

// The main of a benchmark that needs widgets or fonts: offscreen unless told otherwise (no display is needed
// to measure what is behind the windows), Czech number texts as the program shows them. `beforeExit` runs
// while the application still exists.
inline int runGuiBenchmarks(int argc, char **argv, const std::function<void()> &beforeExit = {})
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    if (beforeExit)
        beforeExit();
    benchmark::Shutdown();
    return 0;
}
