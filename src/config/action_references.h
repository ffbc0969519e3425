#pragma once
// Which table an action parameter points into, for the Then and Else actions
// of rules and the default action of address masks, and the renumbering of
// those parameters when a list page exchanges two of its entries.
#include <cstdint>
#include <optional>

#include "config/records.h"
#include "config/rewritten_entries.h"
#include "config/table_kind.h"

namespace talvex {

// The table whose entry number an action's parameter holds, none for an
// action without a reference. The whole action byte counts: a code with any
// of the three upper bits set refers to nothing.
std::optional<TableKind> ActionReferenceTable(std::uint8_t actionByte);

// An entry number after entries a and b changed places: a becomes b, b
// becomes a, anything else stays.
constexpr int ExchangedNumber(int value, int a, int b)
{
    return value == a ? b : value == b ? a : value;
}

// Swaps a and b in every action parameter that refers to `table`: the Then
// and Else parameters of all 256 rules and the default parameters of all 64
// address masks, used or not. Parameters are compared as signed 16-bit
// numbers, each against its value from before, so a and b are exchanged,
// never merged. Adds the rules and masks whose parameters it rewrote.
void SwapActionReferences(ConfigImage& image, TableKind table, int a, int b,
                          RewrittenEntries& rewritten);

} // namespace talvex
