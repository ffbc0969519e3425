#include "pages/rules/rule_table_ops.h"

namespace talvex {

std::optional<int> LowestUnusedRule(const RuleTable& table) { return FirstUnusedIn(table); }

std::optional<int> DeleteRules(RuleTable& table, std::span<const int> selected)
{
    const DeleteResult result = DeleteSelected(RULE_COUNT, selected, SelectAfter::NoLine,
                                               [&](int slot) { ClearRule(table, slot); });
    if (result.select == SelectAfter::NoLine)
        return std::nullopt;
    return result.line;
}

std::bitset<RULE_COUNT> ExchangeRules(ConfigImage& image, int a, int b)
{
    return RuleConfigTable().exchange(image, a, b).of(TableKind::Rules);
}

std::optional<int> RuleAbove(int caret) { return NeighbourOf(caret, MoveStep::Up, RULE_COUNT); }

std::optional<int> RuleBelow(int caret) { return NeighbourOf(caret, MoveStep::Down, RULE_COUNT); }

} // namespace talvex
