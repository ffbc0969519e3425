#pragma once

#include "tabseed/connection_entry.h"

#include <cstdint>

namespace tabseed {

// Number of entry values a side of the given form reads and steps over.
// The host-and-port form is the only one whose advance depends on the side.
constexpr int AddressAdvance(AddressForm form, AddressSide side)
{
    constexpr int ADVANCE[ADDRESS_FORM_COUNT + 1] = {0, 0, 1, 2, 3, 4, 2, 10, 4, 6, 2, 10, 8, 12, 12};
    if (form == AddressForm::IpHostPort && side == AddressSide::Destination) {
        return 8;
    }
    return ADVANCE[static_cast<int>(form)];
}

// Writes one side of an entry, reading the entry values from `values`
// (the current read position), and returns the end of what was written.
// At most MAX_ADDRESS_BYTES are written, none past the returned end.
char* FormatAddress(AddressForm form, AddressSide side, const std::uint8_t* values, char* out);

inline constexpr int MAX_ADDRESS_BYTES = 26; // NNNNNNNN:NNNNNNNNNNNN:SSSS

} // namespace tabseed
