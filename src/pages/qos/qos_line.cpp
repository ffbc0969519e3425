#include "pages/qos/qos_line.h"

#include <cstdio>

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

std::string QosLineText(const ConfigImage& image, std::uint32_t index)
{
    // Integer conversions only: the output does not depend on the locale.
    char text[160];
    if (index >= static_cast<std::uint32_t>(QOS_COUNT)) {
        std::snprintf(text, sizeof text, "Error: GetHRString( %u, ... )", index);
        return text;
    }
    const QosNode& node = image.qosTable[index];
    const int number = static_cast<int>(index);
    if (!node.isUsed()) {
        std::snprintf(text, sizeof text, "{Unused} #%02d", number);
        return text;
    }
    std::snprintf(text, sizeof text, "QoS #%02d: [%s] Rate=%-10u Sample=%-10u On=%-10u Off=%-10u",
                  number, QosFlagMarks(node.flags).c_str(), static_cast<unsigned>(node.rateInterval),
                  static_cast<unsigned>(node.samplePeriod),
                  static_cast<unsigned>(node.highThreshold),
                  static_cast<unsigned>(node.lowThreshold));
    return text;
}

} // namespace talvex
