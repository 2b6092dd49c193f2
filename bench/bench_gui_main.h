#pragma once
// A benchmark main with a GUI application around it: fonts and paint devices
// need one. It runs offscreen, so no display is needed.

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

/// Adds the fastest and the slowest repetition to a benchmark's aggregates, so
/// that the machine's noise shows beside the median: `->Apply(spread)`.
inline void spread(benchmark::internal::Benchmark *b)
{
    b->ComputeStatistics("min", [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); });
}

#define GRIDORA_BENCHMARK_MAIN()                                                                   \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        int qtArgc = 1;                                                                            \
        QGuiApplication application(qtArgc, argv);                                                 \
        benchmark::Initialize(&argc, argv);                                                        \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                    \
            return 1;                                                                              \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
