#pragma once

#include "tabseed/connection_entry.h"

#include <cstdint>

namespace tabseed {

// Number of entry values a side of the given form reads and steps over.
int AddressAdvance(AddressForm form, AddressSide side);

// Writes one side of an entry, reading the entry values from `values`
// (the current read position), and returns the end of what was written.
// At most kMaxAddressBytes are written, none past the returned end.
char* FormatAddress(AddressForm form, AddressSide side, const std::uint8_t* values, char* out);

inline constexpr int kMaxAddressBytes = 26; // NNNNNNNN:NNNNNNNNNNNN:SSSS

} // namespace tabseed
