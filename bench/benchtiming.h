#pragma once

// Timing shared by the benchmarks. Every benchmark is a program of its own, so this stays inline.
#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace bench
{

constexpr int DefaultRuns = 7;

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The median of `runs` timed runs of `work`, so that one slow run (a cold cache) does not count.
inline double medianMillis(const std::function<void()>& work, int runs = DefaultRuns)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return median(times);
}

} // namespace bench
