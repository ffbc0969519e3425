#include "pages/rules/rule_table_ops.h"

#include <algorithm>

namespace talvex {

namespace {

bool IsSlot(int slot) { return slot >= 0 && slot < RULE_COUNT; }

bool IsRuleReference(std::uint8_t actionByte)
{
    return actionByte == ACTION_GOTO_SEQUENCE || actionByte == ACTION_GOTO_RULE;
}

// The value a rule reference holds after slots a and b changed places.
std::int16_t Renumbered(std::int16_t param, int a, int b)
{
    if (param == a)
        return static_cast<std::int16_t>(b);
    if (param == b)
        return static_cast<std::int16_t>(a);
    return param;
}

// Byte ranges of a rule record that delete zeroes.
constexpr std::size_t CLEAR_FIRST_BEGIN = 2;
constexpr std::size_t CLEAR_FIRST_END = 26;
constexpr std::size_t CLEAR_SECOND_BEGIN = 28;
constexpr std::size_t CLEAR_SECOND_END = 32;

} // namespace

void StampRuleNumbers(RuleTable& table)
{
    for (int s = 0; s < RULE_COUNT; ++s) {
        RuleRecord& rule = table[static_cast<std::size_t>(s)];
        rule.ruleNumber = static_cast<std::uint16_t>(s);
        rule.ruleIndex = static_cast<std::uint16_t>(s);
    }
}

std::optional<int> LowestUnusedRule(const RuleTable& table)
{
    for (int s = 0; s < RULE_COUNT; ++s) {
        if (!table[static_cast<std::size_t>(s)].isUsed())
            return s;
    }
    return std::nullopt;
}

void ClearRule(RuleTable& table, int slot)
{
    if (!IsSlot(slot))
        return;
    RuleRecord& rule = table[static_cast<std::size_t>(slot)];
    rule.ruleNumber = static_cast<std::uint16_t>(slot);
    auto bytes = RecordBytes(rule);
    std::fill(bytes.begin() + CLEAR_FIRST_BEGIN, bytes.begin() + CLEAR_FIRST_END, 0);
    std::fill(bytes.begin() + CLEAR_SECOND_BEGIN, bytes.begin() + CLEAR_SECOND_END, 0);
}

std::optional<int> DeleteRules(RuleTable& table, std::span<const int> selected)
{
    std::optional<int> lowest;
    for (int slot : selected) {
        if (!IsSlot(slot))
            continue;
        ClearRule(table, slot);
        lowest = lowest ? std::min(*lowest, slot) : slot;
    }
    if (!lowest)
        return 0;
    if (*lowest + 1 >= RULE_COUNT)
        return std::nullopt;
    return *lowest + 1;
}

void ExchangeRules(RuleTable& table, int a, int b)
{
    if (!IsSlot(a) || !IsSlot(b))
        return;
    for (RuleRecord& rule : table) {
        if (IsRuleReference(rule.thenAction))
            rule.thenParam = Renumbered(rule.thenParam, a, b);
        if (IsRuleReference(rule.elseAction))
            rule.elseParam = Renumbered(rule.elseParam, a, b);
    }
    std::swap(table[static_cast<std::size_t>(a)], table[static_cast<std::size_t>(b)]);
}

std::optional<int> RuleAbove(int caret)
{
    if (caret <= 0 || caret >= RULE_COUNT)
        return std::nullopt;
    return caret - 1;
}

std::optional<int> RuleBelow(int caret)
{
    if (caret < 0 || caret >= RULE_COUNT - 1)
        return std::nullopt;
    return caret + 1;
}

} // namespace talvex
