#include "tabseed/entry_block.h"

#include "tabseed/entry_draw.h"
#include "tabseed/lcg_random.h"

namespace tabseed {

std::size_t FormatEntryBlock(std::uint32_t seed, std::uint32_t firstIndex, std::uint32_t entryCount, char* out)
{
    LcgRandom random(seed);
    random.skip(static_cast<std::uint64_t>(firstIndex) * DRAWS_PER_ENTRY);
    ConnectionEntry entry;
    char* at = out;
    for (std::uint32_t k = 0; k < entryCount; ++k) {
        DrawEntry(random, firstIndex + k, entry);
        at = FormatEntry(entry, at);
    }
    return static_cast<std::size_t>(at - out);
}

} // namespace tabseed
