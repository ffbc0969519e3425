#include "pages/priq/priq_lines.h"

#include "config/number_texts.h"

namespace talvex {

std::string PriQLineText(const PriorityQueueEntry& entry, int entryNumber)
{
    const std::string number = ZeroPaddedText(entryNumber, 2);
    if (entry.flags == 0)
        return "{Unused} #" + number;

    const std::string head = "   Pri Q #" + number + ": ";
    const std::string queue =
        ZeroPaddedText(static_cast<std::int16_t>(entry.queueNumber.get()), 2);
    switch (PositionBits(entry)) {
    case PQ_START: return head + "+-Queue " + queue + " Highest Priority";
    case PQ_MIDDLE: return head + "|          Intermediate Priority";
    case PQ_END: return head + "+-Queue " + queue + " Lowest Priority";
    case PQ_START | PQ_END: return head + "[-Queue " + queue + " Trivia Priority Queue";
    default: return head + "Invalid position bits 0x" + HexByteText(static_cast<std::uint8_t>(PositionBits(entry)));
    }
}

std::vector<std::string> PriQListLines(const PriQTable& table)
{
    std::vector<std::string> lines;
    lines.reserve(table.size());
    for (std::size_t i = 0; i < table.size(); ++i)
        lines.push_back(PriQLineText(table[i], static_cast<int>(i)));
    return lines;
}

} // namespace talvex
