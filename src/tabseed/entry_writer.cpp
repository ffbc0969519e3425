#include "tabseed/entry_writer.h"

#include "tabseed/entry_draw.h"
#include "tabseed/entry_format.h"

#include <memory>
#include <string_view>

namespace tabseed {

bool WriteEntries(OutputChannel& output, LcgRandom& random, std::uint32_t count)
{
    static_assert(kEntryBlockBytes > kMaxEntryBytes);
    const auto block = std::make_unique_for_overwrite<char[]>(kEntryBlockBytes);
    char* const begin = block.get();
    char* const lastStart = begin + (kEntryBlockBytes - kMaxEntryBytes);
    char* at = begin;
    for (std::uint32_t index = 0; index < count; ++index) {
        at = FormatEntry(DrawEntry(random, index), at);
        if (at > lastStart) {
            if (!output.Write(std::string_view(begin, static_cast<std::size_t>(at - begin)))) {
                return false;
            }
            at = begin;
        }
    }
    if (at != begin) {
        return output.Write(std::string_view(begin, static_cast<std::size_t>(at - begin)));
    }
    return true;
}

} // namespace tabseed
