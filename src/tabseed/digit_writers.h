#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <type_traits>

// Small writers for the number forms of an entry line. They write into a
// buffer the caller has made large enough and return the end of the text.
// They work with fixed-size stores and tables so that a million lines cost
// little more than writing their bytes.
namespace tabseed::digits {

inline constexpr char HEX_DIGITS[] = "0123456789ABCDEF";

inline constexpr char DIGIT_PAIRS[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

inline constexpr int MAX_DECIMAL_DIGITS = 10;

inline constexpr std::array<std::uint32_t, MAX_DECIMAL_DIGITS> POWERS_OF_TEN = {
    1u, 10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u, 1000000000u};

inline int DecimalDigitCount(std::uint32_t value)
{
    int count = 1;
    while (count < MAX_DECIMAL_DIGITS && value >= POWERS_OF_TEN[count]) {
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
        std::memcpy(end, DIGIT_PAIRS + pair * 2, 2);
    }
    if (value >= 10) {
        std::memcpy(end - 2, DIGIT_PAIRS + value * 2, 2);
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

// Four-character texts of 0 to 9999, as words whose lowest byte is the
// first character, each in two forms: space-filled ("  42") to stand first
// and zero-filled ("0042") to follow other digits. One more row stands for
// a group of blanks before a shorter number. The form and the row are
// picked by arithmetic, not by branches, since the digits are random.
static_assert(std::endian::native == std::endian::little, "texts are stored as words, first character lowest");
inline constexpr std::uint32_t FOUR_DIGIT_LIMIT = 10000;
inline constexpr std::uint32_t BLANK_GROUP_ROW = FOUR_DIGIT_LIMIT;
inline constexpr std::uint32_t FOUR_SPACES = 0x20202020u;

enum DigitGroupForm : std::uint32_t { STANDS_FIRST = 0, FOLLOWS_DIGITS = 1 };

inline constexpr std::array<std::array<std::uint32_t, 2>, FOUR_DIGIT_LIMIT + 1> FOUR_DIGIT_TEXTS = [] {
    std::array<std::array<std::uint32_t, 2>, FOUR_DIGIT_LIMIT + 1> texts{};
    for (std::uint32_t value = 0; value < FOUR_DIGIT_LIMIT; ++value) {
        std::uint32_t zeroFilled = 0;
        std::uint32_t spaceFilled = 0;
        std::uint32_t rest = value;
        bool blank = false;
        for (int position = 3; position >= 0; --position) {
            const std::uint32_t digit = '0' + rest % 10;
            zeroFilled |= digit << (8 * position);
            spaceFilled |= (blank ? std::uint32_t{' '} : digit) << (8 * position);
            rest /= 10;
            blank = rest == 0;
        }
        texts[value][STANDS_FIRST] = spaceFilled;
        texts[value][FOLLOWS_DIGITS] = zeroFilled;
    }
    texts[BLANK_GROUP_ROW] = {FOUR_SPACES, texts[0][FOLLOWS_DIGITS]};
    return texts;
}();

// Four characters: the value (below 10000) right-aligned, led by spaces.
inline std::uint32_t FourDigitsRightAligned(std::uint32_t value)
{
    return FOUR_DIGIT_TEXTS[value][STANDS_FIRST];
}

// The characters of a group of four digits that follows other digits or
// stands first; a zero group standing first before more digits is blank.
inline std::uint32_t DigitGroup(std::uint32_t group, bool followsDigits, bool moreDigitsAfter)
{
    const std::uint32_t blankRow = static_cast<std::uint32_t>(moreDigitsAfter && group == 0) * BLANK_GROUP_ROW;
    return FOUR_DIGIT_TEXTS[group | blankRow][static_cast<std::uint32_t>(followsDigits)];
}

// Eight characters: the value (below 100000000) right-aligned, led by
// spaces, as a word whose lowest byte is the first character.
inline std::uint64_t EightDigitsRightAligned(std::uint32_t value)
{
    const std::uint32_t high = value / FOUR_DIGIT_LIMIT;
    const std::uint32_t low = value - high * FOUR_DIGIT_LIMIT;
    const std::uint32_t first = DigitGroup(high, false, true);
    const std::uint32_t second = DigitGroup(low, high != 0, false);
    return first | (std::uint64_t{second} << 32);
}

// Two characters for 0 to 99 in a field of two: a space before one digit.
inline constexpr std::array<std::array<char, 2>, 100> RIGHT_ALIGNED_PAIRS = [] {
    std::array<std::array<char, 2>, 100> pairs{};
    for (std::size_t value = 0; value < 100; ++value) {
        pairs[value] = {value >= 10 ? static_cast<char>('0' + value / 10) : ' ', static_cast<char>('0' + value % 10)};
    }
    return pairs;
}();

// Two characters for 0 to 99 in front of more digits: blank for 0.
inline constexpr std::array<std::array<char, 2>, 100> LEADING_PAIRS = [] {
    std::array<std::array<char, 2>, 100> pairs = RIGHT_ALIGNED_PAIRS;
    pairs[0] = {' ', ' '};
    return pairs;
}();

// Ten characters: the value right-aligned, led by spaces; up to 42 in front
// of two groups of four digits.
inline void TenDigitsRightAligned(std::uint32_t value, char* out)
{
    constexpr std::uint32_t EIGHT_DIGIT_LIMIT = 100000000;
    const std::uint32_t front = value / EIGHT_DIGIT_LIMIT;
    const std::uint32_t rest = value - front * EIGHT_DIGIT_LIMIT;
    const std::uint32_t high = rest / FOUR_DIGIT_LIMIT;
    const std::uint32_t low = rest - high * FOUR_DIGIT_LIMIT;
    const std::uint32_t first = DigitGroup(high, front != 0, true);
    const std::uint32_t second = DigitGroup(low, (front | high) != 0, false);
    const std::uint64_t groups = first | (std::uint64_t{second} << 32);
    std::memcpy(out, LEADING_PAIRS[front].data(), 2);
    std::memcpy(out + 2, &groups, 8);
}

// "%<Width>u": right-aligned in Width characters; a longer number is
// printed whole.
template <int Width>
inline char* DecimalRight(char* out, std::uint32_t value)
{
    static_assert(Width >= 1 && Width <= MAX_DECIMAL_DIGITS);
    if constexpr (Width < MAX_DECIMAL_DIGITS) {
        if (value >= POWERS_OF_TEN[Width]) {
            return Decimal(out, value);
        }
    }
    // Each form is built in a register and stored once, straight into
    // `out`, so no store has to be read back piecemeal.
    if constexpr (Width == 2) {
        std::memcpy(out, RIGHT_ALIGNED_PAIRS[value].data(), 2);
    } else if constexpr (Width <= 4) {
        const std::uint32_t text = FourDigitsRightAligned(value) >> (8 * (4 - Width));
        std::memcpy(out, &text, Width);
    } else if constexpr (Width <= 8) {
        const std::uint64_t text = EightDigitsRightAligned(value) >> (8 * (8 - Width));
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

inline constexpr std::array<ByteDecimalRow, 256> BYTE_DECIMALS = [] {
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
    const ByteDecimalRow& row = BYTE_DECIMALS[value];
    std::memcpy(out, row.text, 3);
    return out + row.length;
}

// "%2.2X" of a byte.
inline constexpr std::array<std::array<char, 2>, 256> HEX_PAIRS = [] {
    std::array<std::array<char, 2>, 256> pairs{};
    for (std::size_t value = 0; value < 256; ++value) {
        pairs[value] = {HEX_DIGITS[value >> 4], HEX_DIGITS[value & 0x0F]};
    }
    return pairs;
}();

inline char* HexByte(char* out, std::uint8_t value)
{
    std::memcpy(out, HEX_PAIRS[value].data(), 2);
    return out + 2;
}

// "%<Digits>.<Digits>X": at least minDigits upper-case digits, zero-filled.
constexpr char* HexPadded(char* out, std::uint32_t value, int minDigits)
{
    char digits[8] = {};
    int length = 0;
    do {
        digits[length++] = HEX_DIGITS[value & 0x0F];
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
    if (std::is_constant_evaluated()) {
        return std::copy_n(text, N - 1, out);
    }
    std::memcpy(out, text, N - 1);
    return out + (N - 1);
}

} // namespace tabseed::digits
