#pragma once
// The text of one line of the QoS list.
#include <cstdint>
#include <string>

#include "config/records.h"

namespace talvex {

// The line of entry `entry`: "{Unused} #07" for an empty entry, otherwise
// "QoS #03: [--bFI---] Rate=1000       Sample=1000000    On=0          Off=0         ".
std::string QosLineText(const QosNode& node, int entry);

// The eight flag characters between the brackets of a used entry's line.
std::string QosFlagMarks(std::uint16_t flags);

} // namespace talvex
