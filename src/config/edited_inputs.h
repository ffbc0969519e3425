#pragma once
// The one rule every editor's OK follows. An editor opened on an unused entry
// makes a new entry: nothing is stored there yet that could be kept, so OK
// reads and stores every field from what the editor shows. An editor opened
// on a used entry keeps what the operator left alone: a stored value is read
// from its fields and encoded again only when one of the fields it is encoded
// from (its inputs) no longer holds what the editor showed for it at open. A
// value whose inputs are all as shown is kept byte for byte and not read at
// all, so a value the fields cannot express exactly (a code without a row, a
// number the display rounds, bytes past a stored length) survives an OK that
// did not touch it, and an untouched text that would not read back refuses
// nothing. A field whose text the editor made itself rather than read from
// the record (a template's offsets and masks) is what the operator sees, so
// its editor stores it as shown.
#include <optional>

namespace talvex {

// The fields OK compares with: those shown at open on a used entry, none when
// the editor makes a new entry.
template <typename Fields>
using ShownAtOpen = std::optional<Fields>;

// True when the editor makes a new entry, or when any of the listed members
// of the editor's fields differs between the fields shown at open and the
// fields at OK.
template <typename Fields, typename... Types>
bool InputsEdited(const ShownAtOpen<Fields>& opening, const Fields& current,
                  Types Fields::*... inputs)
{
    return !opening || (((*opening).*inputs != current.*inputs) || ...);
}

} // namespace talvex
