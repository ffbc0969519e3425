#pragma once
// The four tables of the image, and what the programs say about each: its
// number of entries, its words in talvexcfg and in the configuration text,
// and its page in the manager.
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "config/records.h"

namespace talvex {

// In the order of the sheet's pages.
enum class TableKind { Rules, Masks, PriQ, Qos };
constexpr std::size_t TABLE_KIND_COUNT = 4;

struct TableFacts {
    TableKind kind;
    int entryCount;
    std::string_view listWord;    // talvexcfg list: "rules"
    std::string_view textWord;    // the word that starts its lines in the text: "rule"
    std::string_view pageCaption; // the manager's page
    std::string_view listName;    // the object name of the page's list
    std::string_view entryNoun;   // one entry in the manager's words: "rule"
    std::string_view entriesNoun; // several: "rules"
};

constexpr std::array<TableFacts, TABLE_KIND_COUNT> TABLE_FACTS{{
    {TableKind::Rules, RULE_COUNT, "rules", "rule", "Rules", "ruleList", "rule", "rules"},
    {TableKind::Masks, MASK_COUNT, "masks", "mask", "Address Masks", "maskList",
     "address mask", "address masks"},
    {TableKind::PriQ, PRIQ_COUNT, "priq", "priq", "Priority Queue", "priqList",
     "priority queue entry", "priority queue entries"},
    {TableKind::Qos, QOS_COUNT, "qos", "qos", "Quality of Service (QoS)", "qosList",
     "QoS node", "QoS nodes"},
}};

constexpr const TableFacts& FactsOf(TableKind kind)
{
    return TABLE_FACTS[static_cast<std::size_t>(kind)];
}

// The table a word names, talvexcfg's or the text's ("rules" or "rule").
std::optional<TableKind> TableNamed(std::string_view word);

} // namespace talvex
