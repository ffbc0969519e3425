#include "figure_pairs.h"

#include <array>

namespace talvex::bench {

std::span<const FigurePair> FigurePairs()
{
    static constexpr std::array<FigurePair, 17> PAIRS{{
        {"BM_LoadConfig_ClearRuntimeFields/0", "BM_Yardstick_ReadFile"},
        {"BM_LoadConfig_ClearRuntimeFields/8388608", "BM_Yardstick_ReadFile"},
        {"BM_VerifyConfiguration/reset:0", "BM_Yardstick_CopyImage"},
        {"BM_VerifyConfiguration/reset:1", "BM_Yardstick_CopyImage"},
        {"BM_RenderAllListLines", "BM_Yardstick_CopyLineTexts"},
        {"BM_RenderOneLine/page:0", "BM_Yardstick_CopyOneLineText/page:0"},
        {"BM_RenderOneLine/page:1", "BM_Yardstick_CopyOneLineText/page:1"},
        {"BM_RenderOneLine/page:2", "BM_Yardstick_CopyOneLineText/page:2"},
        {"BM_RenderOneLine/page:3", "BM_Yardstick_CopyOneLineText/page:3"},
        {"BM_ExchangeRules/0", "BM_Yardstick_SwapAndScanRules"},
        {"BM_ExchangeRules/254", "BM_Yardstick_SwapAndScanRules"},
        {"BM_ExchangeMasks/0", "BM_Yardstick_SwapAndScanRules"},
        {"BM_ExchangeMasks/62", "BM_Yardstick_SwapAndScanRules"},
        {"BM_ExchangeQosNodes/0", "BM_Yardstick_SwapAndScanRules"},
        {"BM_ExchangeQosNodes/62", "BM_Yardstick_SwapAndScanRules"},
        {"BM_PriQStructurePass", "BM_Yardstick_SwapAndScanRules"},
        {"BM_SaveConfig/real_time", "BM_Yardstick_WriteFileDurably/real_time", true},
    }};
    return PAIRS;
}

} // namespace talvex::bench
