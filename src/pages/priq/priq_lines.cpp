#include "pages/priq/priq_lines.h"

#include <charconv>
#include <cstdlib>

namespace talvex {

namespace {

// A decimal number at least `width` characters wide, zero-padded after the
// sign, as "%0*d" prints it.
std::string ZeroPaddedDecimal(int value, int width)
{
    char digits[16];
    const long magnitude = std::labs(static_cast<long>(value));
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    std::string text = value < 0 ? "-" : "";
    const int used = static_cast<int>(end - digits) + static_cast<int>(text.size());
    if (used < width)
        text.append(static_cast<std::size_t>(width - used), '0');
    text.append(digits, end);
    return text;
}

std::string TwoHexDigits(unsigned value)
{
    static constexpr char HEX_DIGITS[] = "0123456789ABCDEF";
    return {HEX_DIGITS[(value >> 4) & 0xF], HEX_DIGITS[value & 0xF]};
}

} // namespace

std::string PriQLineText(const PriorityQueueEntry& entry, int entryNumber)
{
    const std::string number = ZeroPaddedDecimal(entryNumber, 2);
    if (entry.flags == 0)
        return "{Unused} #" + number;

    const std::string head = "   Pri Q #" + number + ": ";
    const std::string queue =
        ZeroPaddedDecimal(static_cast<std::int16_t>(entry.queueNumber.get()), 2);
    switch (PositionBits(entry)) {
    case PQ_START: return head + "+-Queue " + queue + " Highest Priority";
    case PQ_MIDDLE: return head + "|          Intermediate Priority";
    case PQ_END: return head + "+-Queue " + queue + " Lowest Priority";
    case PQ_START | PQ_END: return head + "[-Queue " + queue + " Trivia Priority Queue";
    default: return head + "Invalid position bits 0x" + TwoHexDigits(PositionBits(entry));
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
