#pragma once
// Small helpers that fill rule records for the tests.
#include <cstdint>
#include <vector>

#include "config/records.h"

namespace talvex::testing {

inline void SetBytes(Bytes<16>& target, const std::vector<std::uint8_t>& bytes)
{
    std::size_t i = 0;
    for (std::uint8_t b : bytes)
        target[i++] = b;
}

// A comparison rule: base and operator as record codes, the pattern in use.
inline RuleRecord ComparisonRule(std::uint8_t base, std::uint16_t operatorCode, std::int16_t offset,
                                 const std::vector<std::uint8_t>& data,
                                 const std::vector<std::uint8_t>& mask)
{
    RuleRecord rule{};
    rule.ruleFlags = static_cast<std::uint8_t>(RULE_DEFINED | base);
    rule.condition = static_cast<std::uint8_t>(operatorCode >> 8);
    rule.thenAction = ACTION_NEXT_RULE;
    rule.elseAction = ACTION_FORWARD_FRAME;
    rule.offset = offset;
    rule.patternLength = static_cast<std::int16_t>(data.size());
    rule.frameLength = static_cast<std::int16_t>(data.size());
    SetBytes(rule.patternData, data);
    SetBytes(rule.patternMask, mask);
    return rule;
}

inline RuleRecord ActionRule(std::uint8_t thenAction, std::int16_t thenParam,
                             std::uint8_t elseAction, std::int16_t elseParam)
{
    RuleRecord rule{};
    rule.ruleFlags = RULE_DEFINED;
    rule.thenAction = thenAction;
    rule.thenParam = thenParam;
    rule.elseAction = elseAction;
    rule.elseParam = elseParam;
    return rule;
}

} // namespace talvex::testing
