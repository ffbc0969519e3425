#pragma once

#include "tabseed/entry_format.h"

#include <cstddef>
#include <cstdint>

namespace tabseed {

// Bytes a block of `entryCount` entries can take at most.
constexpr std::size_t MaxBlockBytes(std::uint32_t entryCount)
{
    return static_cast<std::size_t>(entryCount) * MAX_ENTRY_BYTES;
}

// Formats entries firstIndex to firstIndex + entryCount - 1 of the run that
// starts from `seed` into `out` (at least MaxBlockBytes(entryCount) long)
// and returns the number of bytes written. Any block can be made on its
// own: the generator is moved on to the block's first entry.
std::size_t FormatEntryBlock(std::uint32_t seed, std::uint32_t firstIndex, std::uint32_t entryCount, char* out);

} // namespace tabseed
