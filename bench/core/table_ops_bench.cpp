// The table exchanges of the Rules, Address Masks and QoS pages and the
// priority-queue structure pass, beside the least work they must do.
#include <memory>
#include <utility>

#include "bench_registration.h"
#include "pages/priq/priq_structure.h"
#include "support/bench_images.h"
#include "tables/config_tables.h"

namespace talvex::bench {
namespace {

// Yardstick: swap two 64-byte records and read both action bytes and both
// parameters of all 256 rules, which every exchange that renumbers rule
// references has to look at.
void BM_Yardstick_SwapAndScanRules(benchmark::State& state)
{
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    for (auto _ : state) {
        std::swap(image->ruleTable[10], image->ruleTable[11]);
        int sum = 0;
        for (const RuleRecord& rule : image->ruleTable)
            sum += rule.thenAction + rule.elseAction + rule.thenParam + rule.elseParam;
        benchmark::DoNotOptimize(sum);
        benchmark::ClobberMemory();
    }
}
TALVEX_BENCHMARK(BM_Yardstick_SwapAndScanRules);

// One table's exchange of the pair the argument starts; the time must not
// depend on the argument.
void ExchangePairs(benchmark::State& state, TableKind kind)
{
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    const ConfigTable& table = ConfigTableOf(kind);
    const int a = static_cast<int>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.exchange(*image, a, a + 1));
        benchmark::ClobberMemory();
    }
}

void BM_ExchangeRules(benchmark::State& state) { ExchangePairs(state, TableKind::Rules); }
TALVEX_BENCHMARK(BM_ExchangeRules)->Arg(0)->Arg(127)->Arg(254);

void BM_ExchangeMasks(benchmark::State& state) { ExchangePairs(state, TableKind::Masks); }
TALVEX_BENCHMARK(BM_ExchangeMasks)->Arg(0)->Arg(31)->Arg(62);

void BM_ExchangeQosNodes(benchmark::State& state) { ExchangePairs(state, TableKind::Qos); }
TALVEX_BENCHMARK(BM_ExchangeQosNodes)->Arg(0)->Arg(31)->Arg(62);

void BM_PriQStructurePass(benchmark::State& state)
{
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    for (auto _ : state) {
        RunStructurePass(image->priQTable);
        benchmark::ClobberMemory();
    }
}
TALVEX_BENCHMARK(BM_PriQStructurePass);

} // namespace
} // namespace talvex::bench
