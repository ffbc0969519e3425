#include "pages/qos/fixed_text.h"

#include <charconv>

namespace talvex {

std::string FixedText(double value, int decimals)
{
    // Wide enough for the largest double written out in full.
    char text[400];
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return {};
    return std::string(text, result.ptr);
}

} // namespace talvex
