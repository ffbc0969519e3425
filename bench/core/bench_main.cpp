// talvex_core_bench: Google Benchmark over the core operations. Unless the
// command line says otherwise every benchmark runs in 5 repetitions of at
// least 0.05 s; the console shows the minimum and the median of each, and a
// summary at the end sets every figure's minimum beside its yardstick's.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "figure_pairs.h"

namespace talvex::bench {
namespace {

struct Minimum {
    double real = 0;  // seconds
    double cpu = 0;
};

// Shows only the min and median rows and keeps every benchmark's minimum
// real and CPU time.
class MinimumReporter : public benchmark::ConsoleReporter {
public:
    MinimumReporter() : benchmark::ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& reports) override
    {
        std::vector<Run> shown;
        for (const Run& run : reports) {
            if (run.error_occurred) {
                shown.push_back(run);
                continue;
            }
            const bool aggregate = run.run_type == Run::RT_Aggregate;
            if (aggregate && run.aggregate_name != "min" && run.aggregate_name != "median")
                continue;
            if (!aggregate && run.repetitions > 1)
                continue;
            shown.push_back(run);
            if (!aggregate || run.aggregate_name == "min") {
                const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
                minima_[run.run_name.str()] = {run.GetAdjustedRealTime() / unit,
                                               run.GetAdjustedCPUTime() / unit};
            }
        }
        if (!shown.empty())
            benchmark::ConsoleReporter::ReportRuns(shown);
    }

    const std::map<std::string, Minimum>& minima() const { return minima_; }

private:
    std::map<std::string, Minimum> minima_;
};

std::string Duration(double seconds)
{
    char text[32];
    if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.3f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.3f us", seconds * 1e6);
    return text;
}

void PrintSummary(const std::map<std::string, Minimum>& minima)
{
    std::printf("\nSummary: minimum over the repetitions; CPU time unless marked (wall)\n");
    std::printf("%-42s %14s   %-40s %14s %8s\n", "figure", "time", "yardstick", "time", "ratio");
    for (const FigurePair& pair : FigurePairs()) {
        const auto figure = minima.find(std::string(pair.figure));
        const auto yardstick = minima.find(std::string(pair.yardstick));
        if (figure == minima.end() || yardstick == minima.end())
            continue;
        const double a = pair.byRealTime ? figure->second.real : figure->second.cpu;
        const double b = pair.byRealTime ? yardstick->second.real : yardstick->second.cpu;
        if (b <= 0)
            continue;
        const std::string mark = pair.byRealTime ? " (wall)" : "";
        std::printf("%-42s %14s   %-40s %14s %7.1fx\n", figure->first.c_str(),
                    (Duration(a) + mark).c_str(), yardstick->first.c_str(),
                    (Duration(b) + mark).c_str(), a / b);
    }
}

bool HasFlag(int argc, char** argv, const char* flag)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
            return true;
    }
    return false;
}

} // namespace
} // namespace talvex::bench

int main(int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5";
    std::string minTime = "--benchmark_min_time=0.05";
    if (!talvex::bench::HasFlag(argc, argv, "--benchmark_repetitions"))
        args.push_back(repetitions.data());
    if (!talvex::bench::HasFlag(argc, argv, "--benchmark_min_time"))
        args.push_back(minTime.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 2;
    talvex::bench::MinimumReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    talvex::bench::PrintSummary(reporter.minima());
    benchmark::Shutdown();
    return 0;
}
