#include "config/number_reads.h"

#include <charconv>
#include <cmath>

namespace talvex {

namespace {

bool IsScanSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

void SkipSpace(std::string_view text, std::size_t& pos)
{
    while (pos < text.size() && IsScanSpace(text[pos]))
        ++pos;
}

// Optional sign and decimal digits at pos. `wrapped` accumulates modulo 2^32,
// `saturated` stops growing beyond 2^32 so range checks see an overflow.
struct DecimalScan {
    bool found = false;
    bool negative = false;
    std::uint32_t wrapped = 0;
    std::uint64_t saturated = 0;
};

DecimalScan ScanDecimal(std::string_view text, std::size_t& pos)
{
    DecimalScan scan;
    std::size_t p = pos;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        scan.negative = text[p] == '-';
        ++p;
    }
    constexpr std::uint64_t CAP = 0x100000000ull;
    while (p < text.size() && IsDigit(text[p])) {
        const auto d = static_cast<std::uint32_t>(text[p] - '0');
        scan.wrapped = scan.wrapped * 10u + d;
        if (scan.saturated < CAP)
            scan.saturated = scan.saturated * 10u + d;
        scan.found = true;
        ++p;
    }
    if (scan.found) {
        if (scan.negative)
            scan.wrapped = 0u - scan.wrapped;
        pos = p;
    }
    return scan;
}

std::optional<std::uint32_t> ReadWrapped(std::string_view text)
{
    std::size_t pos = 0;
    SkipSpace(text, pos);
    const DecimalScan scan = ScanDecimal(text, pos);
    if (!scan.found)
        return std::nullopt;
    return scan.wrapped;
}

} // namespace

std::optional<std::uint32_t> ReadSignedDecimal(std::string_view text) { return ReadWrapped(text); }

std::optional<std::uint32_t> ReadUnsigned(std::string_view text) { return ReadWrapped(text); }

std::optional<float> ReadFloat(std::string_view text)
{
    std::size_t pos = 0;
    SkipSpace(text, pos);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // A number starts with a digit or with a point followed by a digit; the
    // words "inf" and "nan" are not numbers here.
    const bool startsNumber = pos < text.size()
        && (IsDigit(text[pos])
            || (text[pos] == '.' && pos + 1 < text.size() && IsDigit(text[pos + 1])));
    if (!startsNumber)
        return std::nullopt;
    float value = 0.0f;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a float: refused, so no caller ever converts an
        // infinity to an integer. Too small: zero, as the C library gives.
        double wide = 0.0;
        const auto again = std::from_chars(first, last, wide, std::chars_format::general);
        if (again.ec != std::errc() || std::fabs(wide) > 1.0)
            return std::nullopt;
        value = 0.0f;
    } else if (result.ec != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<std::uint32_t> ReadNumberInRange(std::string_view text, std::uint32_t minimum,
                                               std::uint32_t maximum)
{
    std::size_t pos = 0;
    SkipSpace(text, pos);
    const DecimalScan scan = ScanDecimal(text, pos);
    if (!scan.found)
        return std::nullopt;
    if (scan.negative && scan.saturated != 0)
        return std::nullopt;
    if (scan.saturated < minimum || scan.saturated > maximum)
        return std::nullopt;
    return static_cast<std::uint32_t>(scan.saturated);
}

std::optional<std::array<std::uint8_t, 4>> ReadDottedAddress(std::string_view text)
{
    std::array<std::uint8_t, 4> parts{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.')
                break;
            ++pos;
        }
        SkipSpace(text, pos);
        const DecimalScan scan = ScanDecimal(text, pos);
        if (!scan.found) {
            if (i == 0)
                return std::nullopt;
            break;
        }
        if ((scan.negative && scan.saturated != 0) || scan.saturated > 255)
            return std::nullopt;
        parts[i] = static_cast<std::uint8_t>(scan.saturated);
    }
    return parts;
}

} // namespace talvex
