#include <gtest/gtest.h>

#include "pages/masks/mask_line.h"

namespace talvex {
namespace {

TEST(MaskLineText, EmptyEntryReadsUnusedWithTwoDigitNumber)
{
    AddressMask mask{};
    EXPECT_EQ(MaskLineText(mask, 0), "{Unused} #00");
    EXPECT_EQ(MaskLineText(mask, 63), "{Unused} #63");
}

TEST(MaskLineText, AnyFlagBitMakesTheEntryUsedAndShowsNoField)
{
    for (std::uint16_t flags : {std::uint16_t{0x0001}, std::uint16_t{0x0100}, std::uint16_t{0x8000}}) {
        AddressMask mask{};
        mask.flags = flags;
        mask.qosNode = 12;
        EXPECT_EQ(MaskLineText(mask, 5), "Mask #05: ...") << "flags " << flags;
    }
}

} // namespace
} // namespace talvex
