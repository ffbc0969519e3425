#pragma once
// What the Rules page does to the rule table: stamping, finding a free slot,
// deleting and exchanging slots.
#include <bitset>
#include <optional>
#include <span>

#include "pages/rules/rule_table.h"

namespace talvex {

// Writes every slot's own number into its ruleNumber and ruleIndex.
void StampRuleNumbers(RuleTable& table);

// The lowest slot whose bytes 4 to 7 are zero, or nothing when all are used.
std::optional<int> LowestUnusedRule(const RuleTable& table);

// Empties one slot: ruleNumber becomes the slot number, bytes 2 to 25 and 28
// to 31 become zero; bytes 26 and 27 and the pattern and mask stay.
void ClearRule(RuleTable& table, int slot);

// Empties every selected slot (numbers outside the table are ignored) and
// returns the line to select afterwards: the one after the lowest deleted
// slot, line 0 when nothing was selected, nothing when the lowest deleted
// slot was the last one.
std::optional<int> DeleteRules(RuleTable& table, std::span<const int> selected);

// Exchanges the whole records of slots a and b, after moving every
// "Goto Sequence..."/"Goto Rule..." reference (whole action byte 0x04 or 0x05)
// from a to b and from b to a, in the rules and in the address masks' default
// actions. Returns the slots whose records changed: a, b and every rule whose
// parameter was renumbered. Slots outside the table change nothing.
std::bitset<RULE_COUNT> ExchangeRules(ConfigImage& image, int a, int b);

// The partner of slot `caret` for Up and Dn, or nothing at the table's ends
// or without a caret (negative).
std::optional<int> RuleAbove(int caret);
std::optional<int> RuleBelow(int caret);

} // namespace talvex
