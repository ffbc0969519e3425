#pragma once
// The entry a line of the verification report is about: the rule, address
// mask or priority-queue entry it names first ("Rule 0 Else Action: Next
// Rule (1) Empty" is about rule 0). Headings, counts and the closing line
// name none.
#include <optional>
#include <string_view>

#include "config/table_kind.h"

namespace talvex {

struct FindingEntry {
    TableKind table;
    int entry;

    bool operator==(const FindingEntry&) const = default;
};

std::optional<FindingEntry> EntryOfFinding(std::string_view line);

} // namespace talvex
