#include "config/dotted_hex.h"

#include <algorithm>

namespace talvex {

namespace {

bool IsScanSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// One "%2x" conversion starting at pos. On success stores the value and moves
// pos past the characters used; on failure leaves the outcome to the caller
// (the scan ends there either way).
bool ScanHexByte(std::string_view text, std::size_t& pos, std::uint32_t& value)
{
    while (pos < text.size() && IsScanSpace(text[pos]))
        ++pos;
    int width = 2;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
        --width;
    }
    std::uint32_t v = 0;
    int digits = 0;
    if (width > 0 && pos < text.size() && text[pos] == '0') {
        // A leading zero may open a "0x" prefix; the zero is a digit either way.
        ++pos;
        --width;
        ++digits;
        if (width > 0 && pos < text.size() && (text[pos] == 'x' || text[pos] == 'X')) {
            ++pos;
            --width;
        }
    }
    while (width > 0 && pos < text.size()) {
        const int d = HexDigitValue(text[pos]);
        if (d < 0)
            break;
        v = v * 16 + static_cast<std::uint32_t>(d);
        ++pos;
        --width;
        ++digits;
    }
    if (digits == 0)
        return false;
    value = negative ? 0u - v : v;
    return true;
}

} // namespace

int ParseDottedHex(std::string_view text, std::span<std::uint8_t, DOTTED_HEX_MAX_BYTES> bytes)
{
    std::size_t pos = 0;
    int count = 0;
    while (count < DOTTED_HEX_MAX_BYTES) {
        if (count > 0) {
            if (pos >= text.size() || text[pos] != '.')
                break;
            ++pos;
        }
        std::uint32_t value = 0;
        if (!ScanHexByte(text, pos, value))
            break;
        bytes[static_cast<std::size_t>(count)] = static_cast<std::uint8_t>(value & 0xFF);
        ++count;
    }
    return count;
}

std::string FormatDottedHex(std::span<const std::uint8_t> bytes, int count)
{
    static constexpr char HEX_DIGITS[] = "0123456789ABCDEF";
    std::string text;
    if (count <= 0)
        return text;
    const std::size_t n = std::min({static_cast<std::size_t>(count), bytes.size(),
                                    static_cast<std::size_t>(DOTTED_HEX_MAX_BYTES)});
    text.reserve(n * 3);
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            text += '.';
        text += HEX_DIGITS[bytes[i] >> 4];
        text += HEX_DIGITS[bytes[i] & 0x0F];
    }
    return text;
}

} // namespace talvex
