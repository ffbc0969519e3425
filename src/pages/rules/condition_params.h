#pragma once
// What the parameter rows of the rule editor show for each condition kind.
#include <array>
#include <cstdint>
#include <string_view>

namespace talvex {

// The rows a condition uses come first; a row it does not use has no label.
struct ConditionParams {
    std::array<std::string_view, 4> labels;
};

constexpr int CONDITION_PARAM_ROWS = 4;

// The row for a condition-table ordinal (0 to 6); any other ordinal gives the
// row of "Comparison" (no parameters).
const ConditionParams& ConditionParamsFor(std::uint32_t conditionOrdinal);

} // namespace talvex
