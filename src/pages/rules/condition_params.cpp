#include "pages/rules/condition_params.h"

namespace talvex {

namespace {

constexpr ConditionParams NO_PARAMS{};
// The editor shows the labels and does not hold the numbers to any range.
constexpr ConditionParams CONNECTION_PARAMS{{"Mask:"}};
constexpr ConditionParams POPULATION_PARAMS{
    {"Key Group:", "Minimum Population:", "Maximum Population:"}};

// One row per condition-table row, in its order.
constexpr std::array<const ConditionParams*, 7> PARAMS_BY_CONDITION{
    &NO_PARAMS,         &NO_PARAMS,         &NO_PARAMS,         &CONNECTION_PARAMS,
    &CONNECTION_PARAMS, &POPULATION_PARAMS, &POPULATION_PARAMS,
};

} // namespace

const ConditionParams& ConditionParamsFor(std::uint32_t conditionOrdinal)
{
    if (conditionOrdinal >= PARAMS_BY_CONDITION.size())
        return NO_PARAMS;
    return *PARAMS_BY_CONDITION[conditionOrdinal];
}

} // namespace talvex
