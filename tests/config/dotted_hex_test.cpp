#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "config/dotted_hex.h"

namespace talvex {
namespace {

using Buffer = std::array<std::uint8_t, 16>;

Buffer Filled(std::uint8_t value)
{
    Buffer b;
    b.fill(value);
    return b;
}

struct ParseCase {
    std::string text;
    int count;
    std::vector<std::uint8_t> bytes;  // the first `count` bytes expected
};

class ParseDottedHexReadsLikeFormattedInput : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseDottedHexReadsLikeFormattedInput, GivesCountAndBytesAndKeepsTheRest)
{
    const ParseCase& c = GetParam();
    Buffer buffer = Filled(0xAB);
    EXPECT_EQ(ParseDottedHex(c.text, buffer), c.count) << c.text;
    for (int i = 0; i < 16; ++i) {
        const std::uint8_t expected =
            i < static_cast<int>(c.bytes.size()) ? c.bytes[static_cast<std::size_t>(i)] : 0xAB;
        EXPECT_EQ(buffer[static_cast<std::size_t>(i)], expected) << c.text << " byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    TrickyTexts, ParseDottedHexReadsLikeFormattedInput,
    ::testing::Values(
        ParseCase{"08.00.E6.D0", 4, {0x08, 0x00, 0xE6, 0xD0}},
        ParseCase{"8.0.e6", 3, {0x08, 0x00, 0xE6}},
        ParseCase{"08:00", 1, {0x08}},
        ParseCase{"", 0, {}},
        ParseCase{"   ", 0, {}},
        ParseCase{"zz", 0, {}},
        ParseCase{"123.45", 1, {0x12}},
        ParseCase{"  0a. 1b.\t2C", 3, {0x0A, 0x1B, 0x2C}},
        ParseCase{"01 .02", 1, {0x01}},
        ParseCase{"01..02", 1, {0x01}},
        ParseCase{"01.", 1, {0x01}},
        ParseCase{"fF.Ff", 2, {0xFF, 0xFF}},
        ParseCase{"-1.02", 2, {0xFF, 0x02}},
        ParseCase{"+5.-F", 2, {0x05, 0xF1}},
        ParseCase{"-.01", 0, {}},
        ParseCase{"0x5", 1, {0x00}},
        ParseCase{"00.01.02.03.04.05.06.07.08.09.0A.0B.0C.0D.0E.0F.10", 16,
                  {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C,
                   0x0D, 0x0E, 0x0F}}));

TEST(ParseDottedHex, LeavesBytesAfterTheCountAsTheyWere)
{
    Buffer buffer{};
    EXPECT_EQ(ParseDottedHex("FF.FF.FF.FF.FF.FF", buffer), 6);
    for (std::size_t i = 0; i < 16; ++i)
        EXPECT_EQ(buffer[i], i < 6 ? 0xFF : 0x00) << i;
}

TEST(FormatDottedHex, WritesUpperCasePairsJoinedByPoints)
{
    const Buffer bytes{0x08, 0x00, 0xE6, 0xD0, 0x9C, 0x7F};
    EXPECT_EQ(FormatDottedHex(bytes, 4), "08.00.E6.D0");
    const std::uint8_t single[] = {0x9C};
    EXPECT_EQ(FormatDottedHex(single, 1), "9C");
}

TEST(FormatDottedHex, NonPositiveCountGivesEmptyText)
{
    const Buffer bytes = Filled(0x11);
    EXPECT_EQ(FormatDottedHex(bytes, 0), "");
    EXPECT_EQ(FormatDottedHex(bytes, -3), "");
}

TEST(FormatDottedHex, CountAboveSixteenFormatsOnlyTheBytesThatExist)
{
    Buffer bytes{};
    for (std::size_t i = 0; i < 16; ++i)
        bytes[i] = static_cast<std::uint8_t>(0xF0 + i);
    const std::string full = FormatDottedHex(bytes, 16);
    EXPECT_EQ(full, "F0.F1.F2.F3.F4.F5.F6.F7.F8.F9.FA.FB.FC.FD.FE.FF");
    EXPECT_EQ(FormatDottedHex(bytes, 300), full);
    const std::uint8_t two[] = {0x01, 0x02};
    EXPECT_EQ(FormatDottedHex(two, 5), "01.02");
}

TEST(DottedHex, FormatThenParseGivesTheSameBytesForEveryCount)
{
    Buffer bytes{};
    for (std::size_t i = 0; i < 16; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 5);
    for (int count = 1; count <= 16; ++count) {
        Buffer back{};
        EXPECT_EQ(ParseDottedHex(FormatDottedHex(bytes, count), back), count);
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(back[static_cast<std::size_t>(i)], bytes[static_cast<std::size_t>(i)]);
    }
}

} // namespace
} // namespace talvex
