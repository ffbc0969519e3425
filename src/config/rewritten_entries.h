#pragma once
// A set of entries per table: what an exchange of two entries rewrote, so a
// list can draw exactly those lines again.
#include <array>
#include <bitset>
#include <cstddef>

#include "config/records.h"
#include "config/table_kind.h"

namespace talvex {

class RewrittenEntries {
public:
    // One bit per entry number; the rule table is the longest.
    using Entries = std::bitset<RULE_COUNT>;

    void add(TableKind table, int entry) { at(table).set(static_cast<std::size_t>(entry)); }
    bool contains(TableKind table, int entry) const
    {
        return of(table).test(static_cast<std::size_t>(entry));
    }
    const Entries& of(TableKind table) const { return entries_[static_cast<std::size_t>(table)]; }

    bool operator==(const RewrittenEntries&) const = default;

private:
    Entries& at(TableKind table) { return entries_[static_cast<std::size_t>(table)]; }

    std::array<Entries, TABLE_KIND_COUNT> entries_{};
};

} // namespace talvex
