#pragma once
// The code tables that give every stored code its name. Each table is
// constant data in its fixed row order and ends with a row whose code is
// CODE_TABLE_END and whose text is "{End}"; the spans below include that row.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace talvex {

constexpr std::uint32_t CODE_TABLE_END = 0xFFFF;
// Lookups give up after this many rows without a match or an end row.
constexpr int CODE_LOOKUP_LIMIT = 20;

struct CodeEntry {
    std::uint32_t ordinal;   // row position in the condition table, else 0
    std::uint32_t argument;  // meaning given by the table (parameter flag, form, ...)
    std::uint32_t code;      // the value stored in the record
    std::string_view text;   // the row's name
};

// Comparison operators: the rule word at offset 4 masked with 0x1F00.
std::span<const CodeEntry> OperatorTable();
// Condition kinds, in the same word; ordinal = row position, argument = form.
std::span<const CodeEntry> ConditionTable();
// Rule actions (bits 0-4 of an action byte); argument 1 = takes a parameter.
std::span<const CodeEntry> ActionTable();
// An address mask's default action: "<No Action Selected>" then ActionTable.
std::span<const CodeEntry> DefaultActionTable();
// Offset bases (high nibble of rule byte 4 and of srcBase/dstBase).
std::span<const CodeEntry> OffsetBaseTable();
// Address-mask key templates 1 to 15.
std::span<const CodeEntry> KeyTypeTable();
// The one rule type, "If".
std::span<const CodeEntry> RuleTypeTable();
// Frame protocol identifiers offered by the ECB wizard.
std::span<const CodeEntry> ProtocolIdTable();
// The one prioritisation algorithm of the priority queues.
std::span<const CodeEntry> AlgorithmTable();

// The row whose code equals `code`, or nothing when the end row or the
// lookup limit comes first.
const CodeEntry* LookupCodeEntry(std::span<const CodeEntry> table, std::uint32_t code);
std::optional<std::string_view> LookupCodeText(std::span<const CodeEntry> table,
                                               std::uint32_t code);

// The code a freshly filled choice list shows after selecting `code`: the
// code itself when a row has it, else that of the table's first row, which
// the fill selected.
std::uint32_t ShownChoiceCode(std::span<const CodeEntry> table, std::uint32_t code);

} // namespace talvex
