#pragma once

// Helpers of the benchmarks that time a piece of work themselves and print it beside a floor.

#include <QElapsedTimer>
#include <QList>
#include <benchmark/benchmark.h>

#include <algorithm>

inline double elapsedMs(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// A benchmark whose iteration time is what Measure returns, in milliseconds.
template <double (*Measure)()>
void Timed(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(Measure() / 1000.0);
}

inline double medianOf(QList<double> times)
{
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

inline double median(double (*measure)(), int runs)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i)
        times.append(measure());
    return medianOf(times);
}
