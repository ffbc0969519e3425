#include "pages/rules/condition_params.h"

namespace talvex {

namespace {

constexpr ConditionParams NoParams{0, {}};
constexpr ConditionParams ConnectionParams{1, {{{"Mask:", 0, 63}, {}, {}, {}}}};
constexpr ConditionParams PopulationParams{3,
                                           {{{"Key Group:", 0, 255},
                                             {"Minimum Population:", 0, 10000000},
                                             {"Maximum Population:", 0, 10000000},
                                             {}}}};

// One row per condition-table row, in its order.
constexpr std::array<const ConditionParams*, 7> PARAMS_BY_CONDITION{
    &NoParams,         &NoParams,         &NoParams,        &ConnectionParams,
    &ConnectionParams, &PopulationParams, &PopulationParams,
};

} // namespace

const ConditionParams& ConditionParamsFor(std::uint32_t conditionOrdinal)
{
    if (conditionOrdinal >= PARAMS_BY_CONDITION.size())
        return NoParams;
    return *PARAMS_BY_CONDITION[conditionOrdinal];
}

} // namespace talvex
