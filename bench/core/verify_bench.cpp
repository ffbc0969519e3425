// VerifyConfiguration beside a copy of the image it reads.
#include <cstring>
#include <memory>

#include "bench_registration.h"
#include "support/bench_images.h"
#include "verify/verification.h"

namespace talvex::bench {
namespace {

// Yardstick: one copy of the image's four tables (28672 bytes), the least
// work anything that looks at every entry does.
void BM_Yardstick_CopyImage(benchmark::State& state)
{
    auto source = std::make_unique<ConfigImage>();
    auto target = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*source);
    for (auto _ : state) {
        std::memcpy(static_cast<void*>(target.get()), source.get(), sizeof(ConfigImage));
        benchmark::ClobberMemory();
    }
}
TALVEX_BENCHMARK(BM_Yardstick_CopyImage);

// Argument 0: the worst case (every check fires over and over); 1: a newly
// reset image (nothing to report).
void BM_VerifyConfiguration(benchmark::State& state)
{
    auto image = std::make_unique<ConfigImage>();
    if (state.range(0) == 0)
        FillWorstCaseImage(*image);
    else
        FillResetImage(*image);
    std::string report;
    for (auto _ : state) {
        benchmark::DoNotOptimize(VerifyConfiguration(*image, report));
        benchmark::DoNotOptimize(report.data());
    }
    state.counters["report_bytes"] = static_cast<double>(report.size());
}
TALVEX_BENCHMARK(BM_VerifyConfiguration)->ArgName("reset")->Arg(0)->Arg(1);

} // namespace
} // namespace talvex::bench
