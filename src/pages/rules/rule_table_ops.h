#pragma once
// The names the Rules page called before RuleConfigTable. They stay only
// until the page runs on RuleConfigTable; remove this file then.
#include <bitset>
#include <optional>
#include <span>

#include "pages/rules/rule_config_table.h"

namespace talvex {

// RuleConfigTable::firstUnused.
std::optional<int> LowestUnusedRule(const RuleTable& table);

// RuleConfigTable::deleteEntries: the line to select, nothing for no line.
std::optional<int> DeleteRules(RuleTable& table, std::span<const int> selected);

// RuleConfigTable::exchange: the rules it rewrote.
std::bitset<RULE_COUNT> ExchangeRules(ConfigImage& image, int a, int b);

// RuleConfigTable::neighbour.
std::optional<int> RuleAbove(int caret);
std::optional<int> RuleBelow(int caret);

} // namespace talvex
