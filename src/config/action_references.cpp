#include "config/action_references.h"

namespace talvex {

namespace {

// True when the parameter held a or b and now holds the other one.
bool SwapReference(std::uint8_t actionByte, LeI16& param, ReferencedTable table, int a, int b)
{
    if (ActionReferenceTable(actionByte) != table)
        return false;
    const int value = param.get();
    const int exchanged = ExchangedNumber(value, a, b);
    param = static_cast<std::int16_t>(exchanged);
    return exchanged != value;
}

} // namespace

ReferencedTable ActionReferenceTable(std::uint8_t actionByte)
{
    switch (actionByte) {
    case ACTION_GOTO_SEQUENCE:
    case ACTION_GOTO_RULE:
        return ReferencedTable::Rules;
    case ACTION_QOS:
        return ReferencedTable::QosNodes;
    case ACTION_ADDRESS_MASK:
    case ACTION_AUDIT_FORWARD:
    case ACTION_AUDIT_NEXT_RULE:
        return ReferencedTable::AddressMasks;
    case ACTION_PRIORITY_QUEUE:
        return ReferencedTable::PriorityQueues;
    default:
        return ReferencedTable::None;
    }
}

std::bitset<RULE_COUNT> SwapActionReferences(ConfigImage& image, ReferencedTable table, int a,
                                             int b)
{
    std::bitset<RULE_COUNT> rewritten;
    for (std::size_t r = 0; r < image.ruleTable.size(); ++r) {
        RuleRecord& rule = image.ruleTable[r];
        const bool thenMoved = SwapReference(rule.thenAction, rule.thenParam, table, a, b);
        const bool elseMoved = SwapReference(rule.elseAction, rule.elseParam, table, a, b);
        rewritten[r] = thenMoved || elseMoved;
    }
    for (AddressMask& mask : image.maskTable)
        SwapReference(mask.defaultAction, mask.defaultParam, table, a, b);
    return rewritten;
}

} // namespace talvex
