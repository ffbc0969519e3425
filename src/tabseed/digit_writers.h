#pragma once

#include <algorithm>
#include <array>
#include <bit>
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

// The eight decimal digits of a value below 100000000, zero-filled, one
// digit (0 to 9) in each byte of a word, the first digit in the lowest
// byte: the value is split in halves of four digits, those in pairs, those
// in digits, each step done on all lanes of the word at once.
inline std::uint64_t EightDigitValues(std::uint32_t value)
{
    const std::uint64_t upper = value / 10000;
    const std::uint64_t lower = value % 10000;
    std::uint64_t lanes = upper | (lower << 32);                                // two lanes of 0..9999
    const std::uint64_t hundreds = ((lanes * 10486) >> 20) & 0x0000007F0000007FULL; // lane / 100
    lanes = hundreds | ((lanes - hundreds * 100) << 16);                        // four lanes of 0..99
    const std::uint64_t tens = ((lanes * 103) >> 10) & 0x000F000F000F000FULL;   // lane / 10
    return tens | ((lanes - tens * 10) << 8);                                   // eight lanes of 0..9
}

inline constexpr std::uint64_t kAsciiZeros = 0x3030303030303030ULL;
inline constexpr std::uint64_t kAsciiSpaces = 0x2020202020202020ULL;

// Eight characters: the value (below 100000000) right-aligned, led by
// spaces. `keepAll` keeps the leading zeros instead, for when more digits
// come in front.
inline std::uint64_t EightDigitsRightAligned(std::uint32_t value, bool keepAll)
{
    static_assert(std::endian::native == std::endian::little);
    const std::uint64_t digitValues = EightDigitValues(value);
    // The last digit always shows; the first non-zero digit ends the blanks.
    const std::uint64_t shown = digitValues | (1ULL << 56) | static_cast<std::uint64_t>(keepAll);
    const int blanks = std::countr_zero(shown) / 8;
    const std::uint64_t blankMask = (1ULL << (8 * blanks)) - 1;
    return ((digitValues + kAsciiZeros) & ~blankMask) | (kAsciiSpaces & blankMask);
}

// Four characters: the value (below 10000) right-aligned, led by spaces.
inline std::uint32_t FourDigitsRightAligned(std::uint32_t value)
{
    static_assert(std::endian::native == std::endian::little);
    std::uint32_t lanes = (value / 100) | ((value % 100) << 16);      // two lanes of 0..99
    const std::uint32_t tens = ((lanes * 103) >> 10) & 0x000F000Fu;  // lane / 10
    const std::uint32_t digitValues = tens | ((lanes - tens * 10) << 8);
    const int blanks = std::countr_zero(digitValues | (1u << 24)) / 8;
    const std::uint32_t blankMask = (1u << (8 * blanks)) - 1;
    return ((digitValues + 0x30303030u) & ~blankMask) | (0x20202020u & blankMask);
}

// Two characters for 0 to 99 in a field of two: a space before one digit.
inline constexpr std::array<std::array<char, 2>, 100> kRightAlignedPairs = [] {
    std::array<std::array<char, 2>, 100> pairs{};
    for (std::size_t value = 0; value < 100; ++value) {
        pairs[value] = {value >= 10 ? static_cast<char>('0' + value / 10) : ' ', static_cast<char>('0' + value % 10)};
    }
    return pairs;
}();

// Two characters for 0 to 99 in front of more digits: blank for 0.
inline constexpr std::array<std::array<char, 2>, 100> kLeadingPairs = [] {
    std::array<std::array<char, 2>, 100> pairs = kRightAlignedPairs;
    pairs[0] = {' ', ' '};
    return pairs;
}();

// Ten characters: the value right-aligned, led by spaces.
inline void TenDigitsRightAligned(std::uint32_t value, char* out)
{
    constexpr std::uint32_t kFourZeros = 10000;
    constexpr std::uint32_t kEightDigits = 100000000;
    const std::uint32_t tenThousands = value / kFourZeros;
    if (tenThousands * kFourZeros == value && tenThousands - 1 < kFourZeros - 1) {
        // Round numbers such as 1300000: six characters for the leading
        // digits, then the four zeros.
        const std::uint32_t leading = FourDigitsRightAligned(tenThousands);
        std::memcpy(out, "  ", 2);
        std::memcpy(out + 2, &leading, 4);
        std::memcpy(out + 6, "0000", 4);
        return;
    }
    // Up to 42 in front of eight digits.
    const std::uint32_t front = value / kEightDigits;
    const std::uint64_t text = EightDigitsRightAligned(value - front * kEightDigits, front != 0);
    std::memcpy(out, kLeadingPairs[front].data(), 2);
    std::memcpy(out + 2, &text, 8);
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
    // Each form is built in a register and stored once, straight into
    // `out`, so no store has to be read back piecemeal.
    if constexpr (Width == 2) {
        std::memcpy(out, kRightAlignedPairs[value].data(), 2);
    } else if constexpr (Width <= 4) {
        const std::uint32_t text = FourDigitsRightAligned(value) >> (8 * (4 - Width));
        std::memcpy(out, &text, Width);
    } else if constexpr (Width <= 8) {
        const std::uint64_t text = EightDigitsRightAligned(value, false) >> (8 * (8 - Width));
        std::memcpy(out, &text, Width);
    } else if constexpr (Width == 10) {
        TenDigitsRightAligned(value, out);
    } else {
        char field[10];
        TenDigitsRightAligned(value, field);
        std::memcpy(out, field + 10 - Width, Width);
    }
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

// "%<Digits>.<Digits>X": at least minDigits upper-case digits, zero-filled.
constexpr char* HexPadded(char* out, std::uint32_t value, int minDigits)
{
    char digits[8] = {};
    int length = 0;
    do {
        digits[length++] = kHexDigits[value & 0x0F];
        value >>= 4;
    } while (value != 0);
    while (length < minDigits) {
        digits[length++] = '0';
    }
    while (length > 0) {
        *out++ = digits[--length];
    }
    return out;
}

template <std::size_t N>
constexpr char* Text(char* out, const char (&text)[N])
{
    return std::copy_n(text, N - 1, out);
}

} // namespace tabseed::digits
