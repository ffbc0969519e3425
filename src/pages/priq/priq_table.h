#pragma once
// The priority-queue table as the page and its editor see it: 64 entries in
// table order, each entry's place in its queue told by its position bits.
#include <cstdint>

#include "config/records.h"

namespace talvex {

// The position bits of an entry: PQ_START, PQ_MIDDLE and PQ_END of `flags`.
inline std::uint16_t PositionBits(const PriorityQueueEntry& entry)
{
    return static_cast<std::uint16_t>(entry.flags & PQ_POSITION_MASK);
}

inline bool HasInUseBit(const PriorityQueueEntry& entry) { return (entry.flags & PQ_IN_USE) != 0; }

} // namespace talvex
