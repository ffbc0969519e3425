#pragma once

#include <array>
#include <cstdint>
#include <cstring>

// Small writers for the number forms of an entry line. They write into a
// buffer the caller has made large enough and return the end of the text.
// They work with fixed-size stores and tables so that a million lines cost
// little more than writing their bytes.
namespace tabseed::digits {

inline constexpr char kHexDigits[] = "0123456789ABCDEF";

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

inline constexpr int kMaxDecimalDigits = 10;

inline constexpr std::array<std::uint32_t, kMaxDecimalDigits> kPowersOfTen = {
    1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u, 1000000000u};

inline int DecimalDigitCount(std::uint32_t value)
{
    int count = 1;
    while (count < kMaxDecimalDigits && value >= kPowersOfTen[count]) {
        ++count;
    }
    return count;
}

// The decimal digits of `value` written backwards so that the last digit
// lands just before `end`.
inline void DecimalBackwards(std::uint32_t value, char* end)
{
    while (value >= 100) {
        const std::uint32_t pair = value % 100;
        value /= 100;
        end -= 2;
        std::memcpy(end, kDigitPairs + pair * 2, 2);
    }
    if (value >= 10) {
        std::memcpy(end - 2, kDigitPairs + value * 2, 2);
    } else {
        end[-1] = static_cast<char>('0' + value);
    }
}

// "%u" (and "%d" for values that are never negative).
inline char* Decimal(char* out, std::uint32_t value)
{
    const int length = DecimalDigitCount(value);
    DecimalBackwards(value, out + length);
    return out + length;
}

// "%<Width>u": right-aligned in Width characters; a longer number is
// printed whole.
template <int Width>
inline char* DecimalRight(char* out, std::uint32_t value)
{
    static_assert(Width >= 1 && Width <= kMaxDecimalDigits);
    if constexpr (Width < kMaxDecimalDigits) {
        if (value >= kPowersOfTen[Width]) {
            return Decimal(out, value);
        }
    }
    std::memset(out, ' ', Width);
    DecimalBackwards(value, out + Width);
    return out + Width;
}

// "%d" of a byte value from a table: each row holds the digits and their
// count. Four bytes are stored whatever the count, so up to three bytes past
// the returned end are overwritten.
struct ByteDecimalRow {
    char text[3];
    std::uint8_t length;
};

inline constexpr std::array<ByteDecimalRow, 256> kByteDecimals = [] {
    std::array<ByteDecimalRow, 256> rows{};
    for (int value = 0; value < 256; ++value) {
        ByteDecimalRow& row = rows[static_cast<std::size_t>(value)];
        if (value >= 100) {
            row = {{static_cast<char>('0' + value / 100), static_cast<char>('0' + value / 10 % 10),
                    static_cast<char>('0' + value % 10)},
                   3};
        } else if (value >= 10) {
            row = {{static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10), ' '}, 2};
        } else {
            row = {{static_cast<char>('0' + value), ' ', ' '}, 1};
        }
    }
    return rows;
}();

inline char* ByteDecimal(char* out, std::uint8_t value)
{
    const ByteDecimalRow& row = kByteDecimals[value];
    std::memcpy(out, row.text, 3);
    return out + row.length;
}

// "%2.2X" of a byte.
inline constexpr std::array<std::array<char, 2>, 256> kHexPairs = [] {
    std::array<std::array<char, 2>, 256> pairs{};
    for (std::size_t value = 0; value < 256; ++value) {
        pairs[value] = {kHexDigits[value >> 4], kHexDigits[value & 0x0F]};
    }
    return pairs;
}();

inline char* HexByte(char* out, std::uint8_t value)
{
    std::memcpy(out, kHexPairs[value].data(), 2);
    return out + 2;
}

// "%<Digits>.<Digits>X": at least Digits upper-case digits, zero-filled.
inline char* HexPadded(char* out, std::uint32_t value, int minDigits)
{
    char digits[8];
    char* first = digits + 8;
    do {
        *--first = kHexDigits[value & 0x0F];
        value >>= 4;
    } while (value != 0);
    while (digits + 8 - first < minDigits) {
        *--first = '0';
    }
    const auto length = static_cast<std::size_t>(digits + 8 - first);
    std::memcpy(out, first, length);
    return out + length;
}

template <std::size_t N>
inline char* Text(char* out, const char (&text)[N])
{
    std::memcpy(out, text, N - 1);
    return out + (N - 1);
}

} // namespace tabseed::digits
