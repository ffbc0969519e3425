#include "figure_lines.h"

#include <algorithm>
#include <cstdio>
#if TALVEX_BENCH_CALLGRIND
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(label) static_cast<void>(label)
#define RUNNING_ON_VALGRIND 0
#endif

namespace talvex::bench {

namespace {

double Minimum(const std::vector<double>& values)
{
    return values.empty() ? -1 : *std::min_element(values.begin(), values.end());
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

Mark MarkNow()
{
    CALLGRIND_ZERO_STATS;
    return {Clock::now(), ThreadCpuMilliseconds()};
}

void Measure(Figure& figure, const std::function<void()>& command, const Mark* from)
{
    const Mark start = MarkNow();
    command();
    const auto returned = Clock::now();
    Settle();
    const auto settled = Clock::now();
    const double cpuEnd = ThreadCpuMilliseconds();
    if (RUNNING_ON_VALGRIND) {
        const std::string label = figure.page.toStdString() + " " + figure.what;
        CALLGRIND_DUMP_STATS_AT(label.c_str());
    }
    const Mark& origin = from ? *from : start;
    figure.work.push_back(MillisecondsBetween(origin.wall, returned));
    figure.repainted.push_back(MillisecondsBetween(origin.wall, settled));
    figure.cpu.push_back(cpuEnd - origin.cpu);
}

void PrintFigure(const Figure& figure)
{
    std::printf("refresh page=\"%s\" after=%s work_min_ms=%.3f work_median_ms=%.3f "
                "repainted_min_ms=%.3f repainted_median_ms=%.3f cpu_min_ms=%.3f runs=%zu\n",
                figure.page.toUtf8().constData(), figure.what.c_str(), Minimum(figure.work),
                Median(figure.work), Minimum(figure.repainted), Median(figure.repainted),
                Minimum(figure.cpu), figure.work.size());
    std::fflush(stdout);
}

} // namespace talvex::bench
