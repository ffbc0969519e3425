#include "pages/rules/rule_config_table.h"

#include <algorithm>
#include <array>

#include "config/action_references.h"
#include "config/preconditions.h"
#include "pages/rules/rule_line.h"

namespace talvex {

namespace {

// Byte ranges of a rule record that delete zeroes.
constexpr std::size_t CLEAR_FIRST_BEGIN = 2;
constexpr std::size_t CLEAR_FIRST_END = 26;
constexpr std::size_t CLEAR_SECOND_BEGIN = 28;
constexpr std::size_t CLEAR_SECOND_END = 32;

constexpr std::array STAMPS{
    DerivedMember{TALVEX_MEMBER_NAME(RuleRecord, ruleNumber),
                  "every rule's own entry number, stamped when the Rules page opens"},
    DerivedMember{TALVEX_MEMBER_NAME(RuleRecord, ruleIndex),
                  "every rule's own entry number, stamped when the Rules page opens"}};

} // namespace

std::string RuleConfigTable::lineText(const ConfigImage& image, int slot) const
{
    return RuleLineText(entryIn(image, slot), slot);
}

void RuleConfigTable::deriveOnOpen(ConfigImage& image) const
{
    StampRuleNumbers(image.ruleTable);
}

DerivedFields RuleConfigTable::derivedFields() const
{
    return {"rule stamps", STAMPS};
}

ListUpdate RuleConfigTable::openUpdate() const { return {.allLines = true, .fitWidth = true}; }

ListUpdate RuleConfigTable::activateUpdate() const { return {.allLines = true, .fitWidth = true}; }

void RuleConfigTable::emptyEntry(ConfigImage& image, int slot) const
{
    ClearRule(image.ruleTable, slot);
}

void RuleConfigTable::copyRecord(ConfigImage& image, int from, int to) const
{
    RuleRecord& target = entryIn(image, to);
    const LeU16 number = target.ruleNumber;
    const LeU16 index = target.ruleIndex;
    target = entryIn(image, from);
    target.ruleNumber = number;
    target.ruleIndex = index;
}

void RuleConfigTable::renumberReferences(ConfigImage& image, int a, int b,
                                         RewrittenEntries& rewritten) const
{
    SwapActionReferences(image, TableKind::Rules, a, b, rewritten);
}

void StampRuleNumbers(RuleTable& table)
{
    for (int s = 0; s < RULE_COUNT; ++s) {
        RuleRecord& rule = table[static_cast<std::size_t>(s)];
        rule.ruleNumber = static_cast<std::uint16_t>(s);
        rule.ruleIndex = static_cast<std::uint16_t>(s);
    }
}

void ClearRule(RuleTable& table, int slot)
{
    RuleRecord& rule = EntryAt(table, slot);
    rule.ruleNumber = static_cast<std::uint16_t>(slot);
    auto bytes = RecordBytes(rule);
    std::fill(bytes.begin() + CLEAR_FIRST_BEGIN, bytes.begin() + CLEAR_FIRST_END, 0);
    std::fill(bytes.begin() + CLEAR_SECOND_BEGIN, bytes.begin() + CLEAR_SECOND_END, 0);
}

} // namespace talvex
