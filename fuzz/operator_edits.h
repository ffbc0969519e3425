#pragma once
// One edit an operator might make in an editor before pressing OK: a text
// typed into one box, another row chosen in one list, or one box clicked.
// Each returns the record bytes that edit may change (bit i for byte i): OK
// after it must leave every other byte as the editor opened it.
#include <cstddef>
#include <cstdint>
#include <span>

#include "pages/masks/mask_editor.h"
#include "pages/priq/priq_editor.h"
#include "pages/qos/qos_editor.h"
#include "pages/rules/rule_editor.h"

namespace talvex::fuzz {

// Bytes first to last - 1 of a record.
constexpr std::uint64_t OwnedBytes(std::size_t first, std::size_t last)
{
    return (last >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << last) - 1)
        & ~((std::uint64_t{1} << first) - 1);
}

// A number drawn from the record's bytes and its entry number, to pick an edit.
std::size_t PickFor(std::span<const std::uint8_t, 64> record, int entry);

std::uint64_t EditRuleFields(RuleEditorFields& fields, std::size_t pick);
// The mask's record is needed for the refreshes a click or a choice runs.
std::uint64_t EditMaskFields(MaskEditorFields& fields, const AddressMask& record,
                             std::size_t pick);
// The bytes of the entry as AcceptPriQEditor leaves them, before the
// structure pass of OK.
std::uint64_t EditQueueFields(PriQEditorFields& fields, std::size_t pick);
std::uint64_t EditQosFields(QosEditorFields& fields, std::size_t pick);

// Aborts when a byte outside `owned` differs between the two records.
void ExpectOnlyOwnedBytesChanged(std::span<const std::uint8_t, 64> before,
                                 std::span<const std::uint8_t, 64> after, std::uint64_t owned,
                                 const char* what);

} // namespace talvex::fuzz
