#include "pages/qos/qos_line.h"

#include <cstdio>

#include "config/number_texts.h"

namespace talvex {

namespace {

struct FlagMark {
    std::uint16_t bit;
    const char* set;
    const char* clear;
};

constexpr FlagMark FLAG_MARKS[] = {
    {QOS_BY_BYTES, "bB", "--"},  {QOS_BY_FRAMES, "bF", "--"},   {QOS_IMMORTAL, "I", "-"},
    {QOS_FIXED_DELAY, "F", "-"}, {QOS_THRESHOLDS, "T", "-"},     {QOS_ABSOLUTE, "A", "-"},
};

} // namespace

std::string QosFlagMarks(std::uint16_t flags)
{
    std::string marks;
    for (const FlagMark& mark : FLAG_MARKS)
        marks += (flags & mark.bit) != 0 ? mark.set : mark.clear;
    return marks;
}

std::string QosLineText(const QosNode& node, int entry)
{
    if (!node.isUsed())
        return "{Unused} #" + ZeroPaddedText(entry, 2);
    // Integer conversions only: the output does not depend on the locale.
    char text[160];
    std::snprintf(text, sizeof text, "QoS #%02d: [%s] Rate=%-10u Sample=%-10u On=%-10u Off=%-10u",
                  entry, QosFlagMarks(node.flags).c_str(), static_cast<unsigned>(node.rateInterval),
                  static_cast<unsigned>(node.samplePeriod),
                  static_cast<unsigned>(node.highThreshold),
                  static_cast<unsigned>(node.lowThreshold));
    return text;
}

} // namespace talvex
