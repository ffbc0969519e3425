#include "config/number_texts.h"

#include <charconv>
#include <system_error>

namespace talvex {

std::string DecimalText(std::int64_t value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, result.ptr);
}

std::string ZeroPaddedText(std::int64_t value, int width)
{
    std::string magnitude = DecimalText(value);
    const bool negative = value < 0;
    if (negative)
        magnitude.erase(0, 1);
    const int used = static_cast<int>(magnitude.size()) + (negative ? 1 : 0);
    if (used < width)
        magnitude.insert(0, static_cast<std::size_t>(width - used), '0');
    return negative ? "-" + magnitude : magnitude;
}

std::string HexByteText(std::uint8_t value)
{
    static constexpr char HEX_DIGITS[] = "0123456789ABCDEF";
    return {HEX_DIGITS[value >> 4], HEX_DIGITS[value & 0xF]};
}

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
