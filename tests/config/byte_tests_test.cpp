#include <gtest/gtest.h>

#include <cstdint>

#include "config/byte_tests.h"

namespace talvex {
namespace {

TEST(ByteTests, NoBytesPassBothTests)
{
    const std::uint8_t bytes[] = {0x00};
    EXPECT_TRUE(AllBytesFF(nullptr, 16));
    EXPECT_TRUE(AllPrintable(nullptr, 16));
    EXPECT_TRUE(AllBytesFF(bytes, 0));
    EXPECT_TRUE(AllPrintable(bytes, 0));
    EXPECT_TRUE(AllBytesFF(bytes, -4));
    EXPECT_TRUE(AllPrintable(bytes, -4));
}

TEST(AllBytesFF, LooksOnlyAtTheFirstLengthBytes)
{
    const std::uint8_t bytes[] = {0xFF, 0xFF, 0xFE, 0xFF};
    EXPECT_TRUE(AllBytesFF(bytes, 2));
    EXPECT_FALSE(AllBytesFF(bytes, 3));
}

TEST(AllPrintable, AcceptsSpaceToTildeOnly)
{
    const std::uint8_t edges[] = {0x20, 0x41, 0x7E};
    EXPECT_TRUE(AllPrintable(edges, 3));
    for (const std::uint8_t bad : {0x00, 0x0A, 0x1F, 0x7F, 0x80, 0xFF}) {
        const std::uint8_t bytes[] = {0x41, bad};
        EXPECT_TRUE(AllPrintable(bytes, 1));
        EXPECT_FALSE(AllPrintable(bytes, 2)) << int(bad);
    }
}

} // namespace
} // namespace talvex
