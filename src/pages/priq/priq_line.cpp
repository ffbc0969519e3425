#include "pages/priq/priq_line.h"

#include "config/number_texts.h"

namespace talvex {

std::string PriQLineText(const PriorityQueueEntry& record, int entry)
{
    const std::string number = ZeroPaddedText(entry, 2);
    if (record.flags == 0)
        return "{Unused} #" + number;

    const std::string head = "   Pri Q #" + number + ": ";
    const std::string queue =
        ZeroPaddedText(static_cast<std::int16_t>(record.queueNumber.get()), 2);
    switch (PositionBits(record)) {
    case PQ_START: return head + "+-Queue " + queue + " Highest Priority";
    case PQ_MIDDLE: return head + "|          Intermediate Priority";
    case PQ_END: return head + "+-Queue " + queue + " Lowest Priority";
    case PQ_START | PQ_END: return head + "[-Queue " + queue + " Trivia Priority Queue";
    default:
        return head + "Invalid position bits 0x"
            + HexByteText(static_cast<std::uint8_t>(PositionBits(record)));
    }
}

} // namespace talvex
