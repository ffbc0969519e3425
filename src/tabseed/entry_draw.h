#pragma once

#include "tabseed/connection_entry.h"
#include "tabseed/lcg_random.h"

#include <cstdint>

namespace tabseed {

// Draws made for every entry.
inline constexpr int DRAWS_PER_ENTRY = 30;

// Draws entry number `index` from the generator into `entry`, setting every
// field: 30 draws in a fixed order, so a seed always gives the same entries.
void DrawEntry(LcgRandom& random, std::uint32_t index, ConnectionEntry& entry);

} // namespace tabseed
