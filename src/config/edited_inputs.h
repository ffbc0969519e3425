#pragma once
// The one rule every editor's OK follows: a stored value is read from its
// fields and encoded again only when one of the fields it is encoded from
// (its inputs) no longer holds what the editor showed for it at open. A value
// whose inputs are all as shown is kept byte for byte and not read at all, so
// a value the fields cannot express exactly (a code without a row, a number
// the display rounds, bytes past a stored length) survives an OK that did not
// touch it, and an untouched text that would not read back refuses nothing.

namespace talvex {

// True when any of the listed members of the editor's fields differs between
// the fields shown at open and the fields at OK.
template <typename Fields, typename... Types>
bool InputsEdited(const Fields& opening, const Fields& current, Types Fields::*... inputs)
{
    return ((opening.*inputs != current.*inputs) || ...);
}

} // namespace talvex
