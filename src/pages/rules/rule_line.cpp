#include "pages/rules/rule_line.h"

#include <algorithm>
#include <cstdio>

#include "config/byte_tests.h"
#include "config/code_tables.h"
#include "config/dotted_hex.h"

namespace talvex {

namespace {

std::string SlotNumber(int slot)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", slot);
    return text;
}

std::string HexByte(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value);
    return text;
}

// P1 to P4 of a parameterised condition, kept little-endian in patternData.
std::uint32_t ConditionParam(const RuleRecord& rule, int index)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | rule.patternData[static_cast<std::size_t>(index * 4 + i)];
    return value;
}

// The number of pattern bytes to show: the stored length held to the 16
// bytes that exist.
int ShownPatternLength(const RuleRecord& rule)
{
    return std::clamp<int>(rule.patternLength.get(), 0, DOTTED_HEX_MAX_BYTES);
}

std::string ComparisonText(const RuleRecord& rule, std::string_view operatorName)
{
    const int n = ShownPatternLength(rule);
    std::string text = "Data @ Offset " + std::to_string(rule.offset.get()) + " ";
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
        return std::string(*name) + " (Mask " + std::to_string(ConditionParam(rule, 0)) + ") ";
    case CONDITION_POPULATION_IN:
    case CONDITION_POPULATION_OUT:
        return std::string(*name) + " (Key Group " + std::to_string(ConditionParam(rule, 0))
            + ", " + std::to_string(ConditionParam(rule, 1)) + " - "
            + std::to_string(ConditionParam(rule, 2)) + ") ";
    default:
        return "Condition " + HexByte(rule.condition & CONDITION_MASK) + " ";
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
        text += std::to_string(param) + " ";
    return text;
}

} // namespace

std::string RuleLineText(const RuleRecord& rule, int slot)
{
    if (!rule.isUsed())
        return "{Unused} #" + SlotNumber(slot);
    return "Rule #" + SlotNumber(slot) + ": ..." + "If " + ConditionText(rule) + "Then "
        + ActionText(rule.thenAction, rule.thenParam) + "Else "
        + ActionText(rule.elseAction, rule.elseParam);
}

} // namespace talvex
