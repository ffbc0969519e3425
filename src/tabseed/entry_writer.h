#pragma once

#include "tabseed/lcg_random.h"
#include "tabseed/output_channel.h"

#include <cstddef>
#include <cstdint>

namespace tabseed {

// Size of the one block the entries are formatted into before each write;
// the memory used stays the same whatever the count.
inline constexpr std::size_t kEntryBlockBytes = 256 * 1024;

// Draws and writes entries 0 to count - 1. Stops at the first failed write;
// returns whether every entry was written.
bool WriteEntries(OutputChannel& output, LcgRandom& random, std::uint32_t count);

} // namespace tabseed
