#pragma once
// The text of one line of the address-mask list.
#include <string>

#include "config/records.h"

namespace talvex {

// "Mask #07: ..." for a used entry (the dots are part of the text; no field is
// shown), "{Unused} #07" for an empty one.
std::string MaskLineText(const AddressMask& mask, int entry);

} // namespace talvex
