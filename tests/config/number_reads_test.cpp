#include <gtest/gtest.h>

#include <clocale>
#include <optional>
#include <string>

#include "config/number_reads.h"

namespace talvex {
namespace {

struct WrapCase {
    std::string text;
    std::optional<std::uint32_t> value;
};

class DecimalReadsWrapModulo2To32 : public ::testing::TestWithParam<WrapCase> {};

TEST_P(DecimalReadsWrapModulo2To32, SignedAndUnsignedReadAgree)
{
    const WrapCase& c = GetParam();
    EXPECT_EQ(ReadSignedDecimal(c.text), c.value) << c.text;
    EXPECT_EQ(ReadUnsigned(c.text), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DecimalReadsWrapModulo2To32,
    ::testing::Values(WrapCase{"0", 0u}, WrapCase{"  42abc", 42u}, WrapCase{"\t+7", 7u},
                      WrapCase{"-1", 0xFFFFFFFFu}, WrapCase{"-65536", 0xFFFF0000u},
                      WrapCase{"4294967295", 0xFFFFFFFFu}, WrapCase{"4294967296", 0u},
                      WrapCase{"4294967301", 5u}, WrapCase{"99999999999999999999", 1661992959u},
                      WrapCase{"", std::nullopt}, WrapCase{"   ", std::nullopt},
                      WrapCase{"-", std::nullopt}, WrapCase{"+ 5", std::nullopt},
                      WrapCase{"abc", std::nullopt}, WrapCase{"1 2", 1u}, WrapCase{"007", 7u}));

TEST(ReadFloat, ReadsDecimalNumbersWithWhiteSpaceAndSign)
{
    EXPECT_EQ(ReadFloat("0.7"), 0.7f);
    EXPECT_EQ(ReadFloat("  3"), 3.0f);
    EXPECT_EQ(ReadFloat("-2.5xyz"), -2.5f);
    EXPECT_EQ(ReadFloat("+.25"), 0.25f);
    EXPECT_EQ(ReadFloat("1e3"), 1000.0f);
    EXPECT_EQ(ReadFloat("4096.0 s"), 4096.0f);
}

TEST(ReadFloat, GivesNothingWithoutANumber)
{
    for (const char* text : {"", "  ", ".", "-", "abc", "inf", "nan", "- 1"})
        EXPECT_EQ(ReadFloat(text), std::nullopt) << text;
}

TEST(ReadFloat, SinglePrecisionRoundsNineNinesUpToOneBillion)
{
    EXPECT_EQ(ReadFloat("999999999"), 1000000000.0f);
}

TEST(ReadFloat, RefusesNumbersTooLargeForAFloatAndReadsTinyOnesAsZero)
{
    EXPECT_EQ(ReadFloat("1e60"), std::nullopt);
    EXPECT_EQ(ReadFloat("1e-60"), 0.0f);
}

TEST(ReadFloat, IgnoresTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    EXPECT_EQ(ReadFloat("0.7"), 0.7f);
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!german)
        GTEST_SKIP() << "no German locale installed";
}

struct RangeCase {
    std::string text;
    std::uint32_t minimum;
    std::uint32_t maximum;
    std::optional<std::uint32_t> value;
};

class ReadNumberInRangeAcceptsOnlyInRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ReadNumberInRangeAcceptsOnlyInRange, Reads)
{
    const RangeCase& c = GetParam();
    EXPECT_EQ(ReadNumberInRange(c.text, c.minimum, c.maximum), c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberInRangeAcceptsOnlyInRange,
    ::testing::Values(RangeCase{"53", 0, 65535, 53u}, RangeCase{"  +6 tcp", 0, 255, 6u},
                      RangeCase{"255", 0, 255, 255u}, RangeCase{"256", 0, 255, std::nullopt},
                      RangeCase{"-1", 0, 255, std::nullopt}, RangeCase{"-0", 0, 255, 0u},
                      RangeCase{"4294967302", 0, 65535, std::nullopt},
                      RangeCase{"0", 1, 10, std::nullopt}, RangeCase{"x5", 0, 255, std::nullopt},
                      RangeCase{"", 0, 255, std::nullopt}));

struct AddressCase {
    std::string text;
    std::optional<std::array<std::uint8_t, 4>> parts;
};

class ReadDottedAddressReadsUpToFourParts : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ReadDottedAddressReadsUpToFourParts, Reads)
{
    const AddressCase& c = GetParam();
    EXPECT_EQ(ReadDottedAddress(c.text), c.parts) << c.text;
}

using Parts = std::array<std::uint8_t, 4>;

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDottedAddressReadsUpToFourParts,
    ::testing::Values(AddressCase{"10.1.0.5", Parts{10, 1, 0, 5}},
                      AddressCase{"10", Parts{10, 0, 0, 0}},
                      AddressCase{"192.168", Parts{192, 168, 0, 0}},
                      AddressCase{" 10. 2.3.4.99", Parts{10, 2, 3, 4}},
                      AddressCase{"10..5", Parts{10, 0, 0, 0}},
                      AddressCase{"1.2.3.4 trailing", Parts{1, 2, 3, 4}},
                      AddressCase{"255.255.255.255", Parts{255, 255, 255, 255}},
                      AddressCase{"300.1.1.1", std::nullopt}, AddressCase{"1.2.3.256", std::nullopt},
                      AddressCase{"1.-2", std::nullopt}, AddressCase{"", std::nullopt},
                      AddressCase{".1.2.3", std::nullopt},
                      AddressCase{"4294967306.0.0.0", std::nullopt}));

} // namespace
} // namespace talvex
