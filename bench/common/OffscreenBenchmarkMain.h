#ifndef DRAVELLO_BENCH_OFFSCREENBENCHMARKMAIN_H
#define DRAVELLO_BENCH_OFFSCREENBENCHMARKMAIN_H

#include <QByteArray>

#include <benchmark/benchmark.h>

#include <functional>

// The program of a benchmark of GUI code: an application of class App
// (a QApplication) on the offscreen platform, Google Benchmark's own
// arguments, and `run`, which runs the benchmarks within whatever it sets
// up first.
template <typename App>
int offscreenBenchmarkMain(int argc, char** argv,
                           const std::function<void()>& run = [] { benchmark::RunSpecifiedBenchmarks(); })
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    App application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    run();
    benchmark::Shutdown();
    return 0;
}

#endif
