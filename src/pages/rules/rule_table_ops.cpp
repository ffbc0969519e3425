#include "pages/rules/rule_table_ops.h"

#include <algorithm>

#include "config/action_references.h"

namespace talvex {

namespace {

bool IsSlot(int slot) { return slot >= 0 && slot < RULE_COUNT; }

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

std::bitset<RULE_COUNT> ExchangeRules(ConfigImage& image, int a, int b)
{
    if (!IsSlot(a) || !IsSlot(b))
        return {};
    std::bitset<RULE_COUNT> changed = SwapActionReferences(image, ReferencedTable::Rules, a, b);
    std::swap(image.ruleTable[static_cast<std::size_t>(a)],
              image.ruleTable[static_cast<std::size_t>(b)]);
    changed.set(static_cast<std::size_t>(a));
    changed.set(static_cast<std::size_t>(b));
    return changed;
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
