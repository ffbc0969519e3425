#include "config/action_references.h"

namespace talvex {

namespace {

// True when the parameter held a or b and now holds the other one.
bool SwapReference(std::uint8_t actionByte, LeI16& param, TableKind table, int a, int b)
{
    if (ActionReferenceTable(actionByte) != table)
        return false;
    const int value = param.get();
    const int exchanged = ExchangedNumber(value, a, b);
    param = static_cast<std::int16_t>(exchanged);
    return exchanged != value;
}

} // namespace

std::optional<TableKind> ActionReferenceTable(std::uint8_t actionByte)
{
    switch (actionByte) {
    case ACTION_GOTO_SEQUENCE:
    case ACTION_GOTO_RULE:
        return TableKind::Rules;
    case ACTION_QOS:
        return TableKind::Qos;
    case ACTION_ADDRESS_MASK:
    case ACTION_AUDIT_FORWARD:
    case ACTION_AUDIT_NEXT_RULE:
        return TableKind::Masks;
    case ACTION_PRIORITY_QUEUE:
        return TableKind::PriQ;
    default:
        return std::nullopt;
    }
}

void SwapActionReferences(ConfigImage& image, TableKind table, int a, int b,
                          RewrittenEntries& rewritten)
{
    for (int r = 0; r < RULE_COUNT; ++r) {
        RuleRecord& rule = image.ruleTable[static_cast<std::size_t>(r)];
        const bool thenMoved = SwapReference(rule.thenAction, rule.thenParam, table, a, b);
        const bool elseMoved = SwapReference(rule.elseAction, rule.elseParam, table, a, b);
        if (thenMoved || elseMoved)
            rewritten.add(TableKind::Rules, r);
    }
    for (int m = 0; m < MASK_COUNT; ++m) {
        AddressMask& mask = image.maskTable[static_cast<std::size_t>(m)];
        if (SwapReference(mask.defaultAction, mask.defaultParam, table, a, b))
            rewritten.add(TableKind::Masks, m);
    }
}

} // namespace talvex
