#pragma once
// The text of one line of the QoS list.
#include <cstdint>
#include <string>

#include "config/records.h"

namespace talvex {

// "{Unused} #07" for an empty entry, otherwise
// "QoS #03: [--bFI---] Rate=1000       Sample=1000000    On=0          Off=0         ".
// An index outside the table gives "Error: GetHRString( <index>, ... )".
std::string QosLineText(const ConfigImage& image, std::uint32_t index);

// The eight flag characters between the brackets of a used entry's line.
std::string QosFlagMarks(std::uint16_t flags);

} // namespace talvex
