// The 448 list lines of the four table pages, beside copying texts of the
// same lengths.
#include <memory>
#include <string>
#include <vector>

#include "bench_registration.h"
#include "pages/masks/mask_line.h"
#include "pages/priq/priq_line.h"
#include "pages/qos/qos_line.h"
#include "pages/rules/rule_line.h"
#include "support/bench_images.h"

namespace talvex::bench {
namespace {

// The lines of all four pages into `lines`, reusing its strings.
void RenderAllLines(const ConfigImage& image, std::vector<std::string>& lines)
{
    lines.resize(RULE_COUNT + MASK_COUNT + PRIQ_COUNT + QOS_COUNT);
    std::size_t at = 0;
    for (int r = 0; r < RULE_COUNT; ++r)
        lines[at++] = RuleLineText(image.ruleTable[static_cast<std::size_t>(r)], r);
    for (int m = 0; m < MASK_COUNT; ++m)
        lines[at++] = MaskLineText(image.maskTable[static_cast<std::size_t>(m)], m);
    for (int e = 0; e < PRIQ_COUNT; ++e)
        lines[at++] = PriQLineText(image.priQTable[static_cast<std::size_t>(e)], e);
    for (int q = 0; q < QOS_COUNT; ++q)
        lines[at++] = QosLineText(image.qosTable[static_cast<std::size_t>(q)], q);
}

// Yardstick: 448 fresh strings holding texts as long as the lines.
void BM_Yardstick_CopyLineTexts(benchmark::State& state)
{
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    std::vector<std::string> source;
    RenderAllLines(*image, source);
    std::vector<std::string> lines(source.size());
    std::size_t bytes = 0;
    for (const auto& line : source)
        bytes += line.size();
    for (auto _ : state) {
        for (std::size_t i = 0; i < source.size(); ++i)
            lines[i] = std::string(source[i].data(), source[i].size());
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["text_bytes"] = static_cast<double>(bytes);
}
TALVEX_BENCHMARK(BM_Yardstick_CopyLineTexts);

void BM_RenderAllListLines(benchmark::State& state)
{
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    std::vector<std::string> lines;
    for (auto _ : state) {
        RenderAllLines(*image, lines);
        benchmark::DoNotOptimize(lines.data());
    }
    state.counters["lines"] = static_cast<double>(lines.size());
}
TALVEX_BENCHMARK(BM_RenderAllListLines);

// The one line a page rebuilds after an editor's OK: page 0 rules, 1 address
// masks, 2 priority queues, 3 QoS.
std::string OneLine(const ConfigImage& image, std::int64_t page)
{
    switch (page) {
    case 0: return RuleLineText(image.ruleTable[200], 200);
    case 1: return MaskLineText(image.maskTable[40], 40);
    case 2: return PriQLineText(image.priQTable[40], 40);
    default: return QosLineText(image.qosTable[40], 40);
    }
}

// Yardstick: a fresh string holding a text as long as that line.
void BM_Yardstick_CopyOneLineText(benchmark::State& state)
{
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    const std::string source = OneLine(*image, state.range(0));
    std::string line;
    for (auto _ : state) {
        line = std::string(source.data(), source.size());
        benchmark::DoNotOptimize(line.data());
    }
}
TALVEX_BENCHMARK(BM_Yardstick_CopyOneLineText)->ArgName("page")->DenseRange(0, 3);

void BM_RenderOneLine(benchmark::State& state)
{
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    std::string line;
    for (auto _ : state) {
        line = OneLine(*image, state.range(0));
        benchmark::DoNotOptimize(line.data());
    }
}
TALVEX_BENCHMARK(BM_RenderOneLine)->ArgName("page")->DenseRange(0, 3);

} // namespace
} // namespace talvex::bench
