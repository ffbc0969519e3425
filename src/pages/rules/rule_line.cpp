#include "pages/rules/rule_line.h"

#include <algorithm>

#include "config/byte_tests.h"
#include "config/code_tables.h"
#include "config/dotted_hex.h"
#include "config/number_texts.h"

namespace talvex {

namespace {

// The number of pattern bytes to show: the stored length held to the 16
// bytes that exist.
int ShownPatternLength(const RuleRecord& rule)
{
    return std::clamp<int>(rule.patternLength.get(), 0, DOTTED_HEX_MAX_BYTES);
}

std::string ComparisonText(const RuleRecord& rule, std::string_view operatorName)
{
    const int n = ShownPatternLength(rule);
    std::string text = "Data @ Offset " + DecimalText(rule.offset.get()) + " ";
    text += operatorName;
    text += ' ';
    if (AllPrintable(rule.patternData.data(), n)) {
        text += '"';
        text.append(reinterpret_cast<const char*>(rule.patternData.data()),
                    static_cast<std::size_t>(n));
        text += "\" ";
    } else {
        text += FormatDottedHex(rule.patternData, n) + " ";
    }
    if (!AllBytesFF(rule.patternMask.data(), n))
        text += "Mask " + FormatDottedHex(rule.patternMask, n) + " ";
    return text;
}

std::string ConditionText(const RuleRecord& rule)
{
    const std::uint32_t code = rule.conditionWord() & CONDITION_WORD_MASK;
    if (const auto name = LookupCodeText(OperatorTable(), code))
        return ComparisonText(rule, *name);

    const auto name = LookupCodeText(ConditionTable(), code);
    switch (code) {
    case CONDITION_RECEIVED:
        return "Received ";
    case CONDITION_SENT:
        return "Sent ";
    case CONDITION_CONNECTION_EXISTS:
    case CONDITION_CONNECTION_NEW:
        return std::string(*name) + " (Mask " + DecimalText(rule.conditionParam(0)) + ") ";
    case CONDITION_POPULATION_IN:
    case CONDITION_POPULATION_OUT:
        return std::string(*name) + " (Key Group " + DecimalText(rule.conditionParam(0))
            + ", " + DecimalText(rule.conditionParam(1)) + " - "
            + DecimalText(rule.conditionParam(2)) + ") ";
    default:
        return "Condition 0x" + HexByteText(static_cast<std::uint8_t>(rule.condition & CONDITION_MASK)) + " ";
    }
}

// "<name> " and, for an action that takes one, "<param> ". A code without a
// row gives neither name nor parameter.
std::string ActionText(std::uint8_t actionByte, std::int16_t param)
{
    std::string text;
    const CodeEntry* row = LookupCodeEntry(ActionTable(), actionByte & ACTION_CODE_MASK);
    if (row != nullptr)
        text += row->text;
    text += ' ';
    if (row != nullptr && row->argument > 0)
        text += DecimalText(param) + " ";
    return text;
}

} // namespace

std::string RuleLineText(const RuleRecord& rule, int slot)
{
    if (!rule.isUsed())
        return "{Unused} #" + ZeroPaddedText(slot, 3);
    return "Rule #" + ZeroPaddedText(slot, 3) + ": ..." + "If " + ConditionText(rule) + "Then "
        + ActionText(rule.thenAction, rule.thenParam) + "Else "
        + ActionText(rule.elseAction, rule.elseParam);
}

} // namespace talvex
