#pragma once

// Timing helpers of the benchmarks that measure one run of a piece of work in milliseconds.

#include <QList>
#include <benchmark/benchmark.h>

#include <algorithm>

// A benchmark whose iteration time is what the measure returns.
template <double (*Measure)()>
void Timed(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(Measure() / 1000.0);
}

// The median of several runs of a measure.
inline double median(double (*measure)(), int runs)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i)
        times.append(measure());
    std::sort(times.begin(), times.end());
    return times.at(runs / 2);
}
