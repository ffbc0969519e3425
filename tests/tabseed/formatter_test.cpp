// The hand-made formatters must give exactly what the C library's formatted
// output gives for the same formats.
#include "tabseed/address_forms.h"
#include "tabseed/digit_writers.h"
#include "tabseed/entry_format.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace tabseed {
namespace {

// The space flag of the column format means nothing for unsigned fields.
// Wine's and MinGW's C libraries print a space all the same when the number
// fills the field, so the reference is formatted without the flag.
#pragma GCC diagnostic ignored "-Wformat"

__attribute__((format(printf, 1, 2))) std::string Printf(const char* format, ...)
{
    std::string withoutSpaceFlag = format;
    for (std::size_t at = 0; (at = withoutSpaceFlag.find("% ", at)) != std::string::npos;)
        withoutSpaceFlag.erase(++at, 1);
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(text, sizeof text, withoutSpaceFlag.c_str(), arguments);
    va_end(arguments);
    return std::string(text, static_cast<std::size_t>(length));
}

template <typename Writer>
std::string Written(Writer write)
{
    std::array<char, 512> buffer{};
    const char* const begin = buffer.data();
    const char* const end = write(buffer.data());
    return std::string(begin, end);
}

// Random numbers of every length, plus the edges of every length.
std::vector<std::uint32_t> SampleNumbers()
{
    std::vector<std::uint32_t> numbers = {0, std::numeric_limits<std::uint32_t>::max()};
    for (std::uint64_t power = 1; power <= 1000000000; power *= 10) {
        numbers.push_back(static_cast<std::uint32_t>(power - 1));
        numbers.push_back(static_cast<std::uint32_t>(power));
        numbers.push_back(static_cast<std::uint32_t>(power + 1));
    }
    for (std::uint32_t multiple = 0; multiple < 2000000000; multiple += 37 * 10000) {
        numbers.push_back(multiple); // the round numbers have a way of their own
    }
    std::mt19937 random(20240611);
    for (int k = 0; k < 20000; ++k) {
        const int bits = 1 + k % 32;
        numbers.push_back(static_cast<std::uint32_t>(random() >> (32 - bits)));
    }
    return numbers;
}

TEST(FastFormatter, DecimalFieldsMatchPrintf)
{
    for (const std::uint32_t n : SampleNumbers()) {
        ASSERT_EQ(Written([&](char* out) { return digits::Decimal(out, n); }), Printf("%u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<2>(out, n); }), Printf("% 2u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<4>(out, n); }), Printf("% 4u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<5>(out, n); }), Printf("% 5u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<6>(out, n); }), Printf("% 6u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<8>(out, n); }), Printf("%8u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<1>(out, n); }), Printf("%1u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<3>(out, n); }), Printf("%3u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<9>(out, n); }), Printf("%9u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::DecimalRight<10>(out, n); }), Printf("% 10u", n));
        ASSERT_EQ(Written([&](char* out) { return digits::HexPadded(out, n, 4); }), Printf("%4.4X", n));
    }
}

TEST(FastFormatter, ByteFieldsMatchPrintf)
{
    for (int n = 0; n < 256; ++n) {
        const auto byte = static_cast<std::uint8_t>(n);
        ASSERT_EQ(Written([&](char* out) { return digits::ByteDecimal(out, byte); }), Printf("%d", n));
        ASSERT_EQ(Written([&](char* out) { return digits::HexByte(out, byte); }), Printf("%2.2X", n));
    }
}

// Each address form through the C library, values as the table lists them.
std::string PrintedAddress(int form, AddressSide side, const std::uint8_t* v)
{
    const int port = side == AddressSide::Source ? v[8] * 256 + v[9] : v[6] * 256 + v[7];
    switch (form) {
    case 1: return "*";
    case 2: return Printf("%d.0.0.0/8:*", v[0]);
    case 3: return Printf("%d.%d.0.0/16:*", v[0], v[1]);
    case 4: return Printf("%d.%d.%d.0/24:*", v[0], v[1], v[2]);
    case 5: return Printf("%d.%d.%d.%d:*", v[0], v[1], v[2], v[3]);
    case 6: return Printf("*:%d", v[1] * 256 + v[0]);
    case 7: return Printf("%d.%d.%d.%d:%d", v[0], v[1], v[2], v[3], port);
    case 8: return Printf("%2.2X%2.2X%2.2X%2.2X:*:*", v[0], v[1], v[2], v[3]);
    case 9: return Printf("*:%2.2X%2.2X%2.2X%2.2X%2.2X%2.2X:*", v[0], v[1], v[2], v[3], v[4], v[5]);
    case 10: return Printf("*:*:%2.2X%2.2X", v[0], v[1]);
    case 11:
        return Printf("%2.2X%2.2X%2.2X%2.2X:%2.2X%2.2X%2.2X%2.2X%2.2X%2.2X:*", v[0], v[1], v[2], v[3], v[4], v[5], v[6],
                      v[7], v[8], v[9]);
    case 12:
        return Printf("*:%2.2X%2.2X%2.2X%2.2X%2.2X%2.2X:%2.2X%2.2X", v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]);
    case 13: return Printf("%2.2X%2.2X%2.2X%2.2X:*:%2.2X%2.2X", v[0], v[1], v[2], v[3], v[10], v[11]);
    case 14:
        return Printf("%2.2X%2.2X%2.2X%2.2X:%2.2X%2.2X%2.2X%2.2X%2.2X%2.2X:%2.2X%2.2X", v[0], v[1], v[2], v[3], v[4],
                      v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
    }
    return "?";
}

TEST(FastFormatter, AddressFormsMatchPrintf)
{
    std::mt19937 random(7);
    std::array<std::uint8_t, 12> values{};
    for (int round = 0; round < 3000; ++round) {
        for (std::uint8_t& value : values) {
            // Small values too, for the one- and two-digit numbers.
            value = static_cast<std::uint8_t>(random() % (round % 2 == 0 ? 256 : 12));
        }
        for (int form = 1; form <= ADDRESS_FORM_COUNT; ++form) {
            for (const AddressSide side : {AddressSide::Source, AddressSide::Destination}) {
                const std::string text = Written([&](char* out) {
                    return FormatAddress(static_cast<AddressForm>(form), side, values.data(), out);
                });
                ASSERT_EQ(text, PrintedAddress(form, side, values.data())) << "form " << form;
                ASSERT_LE(text.size(), static_cast<std::size_t>(MAX_ADDRESS_BYTES));
            }
        }
    }
}

ConnectionEntry RandomEntry(std::mt19937& random)
{
    // Any numbers at all, also ones wider than their columns.
    const auto number = [&] { return static_cast<std::uint32_t>(random() >> (random() % 32)); };
    ConnectionEntry entry;
    for (std::uint8_t& value : entry.values) {
        value = static_cast<std::uint8_t>(random());
    }
    entry.sourceForm = static_cast<AddressForm>(random() % 14 + 1);
    entry.destinationForm = static_cast<AddressForm>(random() % 14 + 1);
    entry.bothWays = random() % 2 != 0;
    entry.marker = number();
    entry.valuesUsed = number();
    for (std::uint8_t& steps : entry.steps) {
        steps = static_cast<std::uint8_t>(random());
    }
    for (std::uint32_t& product : entry.products) {
        product = number();
    }
    entry.index = number();
    entry.tail = number();
    return entry;
}

TEST(FastFormatter, EntryLineMatchesPrintf)
{
    std::mt19937 random(99);
    for (int round = 0; round < 20000; ++round) {
        const ConnectionEntry e = RandomEntry(random);
        const int sourceAdvance = AddressAdvance(e.sourceForm, AddressSide::Source);
        const std::string expected =
            "\r\n" + PrintedAddress(static_cast<int>(e.sourceForm), AddressSide::Source, e.values.data())
            + (e.bothWays ? " <-> " : " --> ")
            + PrintedAddress(static_cast<int>(e.destinationForm), AddressSide::Destination,
                             e.values.data() + sourceAdvance)
            + ","
            + Printf("% 4u, % 2u, % 10u, % 10u, % 10u, % 10u, % 10u, %4.4X, %2.2X, % 10u, % 10u, % 10u, % 10u, % 10u, "
                     "% 10u, % 6u, % 5u",
                     e.marker, e.valuesUsed, STEPPED_COLUMNS[0].ValueAt(e.steps[0]),
                     STEPPED_COLUMNS[1].ValueAt(e.steps[1]), STEPPED_COLUMNS[2].ValueAt(e.steps[2]),
                     STEPPED_COLUMNS[3].ValueAt(e.steps[3]), STEPPED_COLUMNS[4].ValueAt(e.steps[4]), 40983u, 25u, e.products[0], e.products[1], e.products[2], e.products[3],
                     e.products[4], e.products[5], e.index, e.tail);
        const std::string text = Written([&](char* out) { return FormatEntry(e, out); });
        ASSERT_EQ(text, expected);
        ASSERT_LE(text.size(), static_cast<std::size_t>(MAX_ENTRY_BYTES));
    }
}

TEST(FastFormatter, FileHeaderIsFourLinesWithFortyFourTildes)
{
    EXPECT_EQ(FILE_HEADER, "\r\n#\r\n# TABSEED - Talvex Connection Table - Test Data\r\n# " + std::string(44, '~') + "\r\n#");
}

} // namespace
} // namespace tabseed
