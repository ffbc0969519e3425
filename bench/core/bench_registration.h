#pragma once
// Every benchmark of the core program is registered through TALVEX_BENCHMARK,
// which adds the "min" statistic over the repetitions: on a shared machine the
// minimum is the figure least disturbed by other work.
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace talvex::bench {

inline double MinOf(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

} // namespace talvex::bench

#define TALVEX_BENCHMARK(fn) BENCHMARK(fn)->ComputeStatistics("min", ::talvex::bench::MinOf)
