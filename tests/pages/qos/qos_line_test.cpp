#include <gtest/gtest.h>

#include <memory>

#include "config/config_file.h"
#include "pages/qos/qos_line.h"
#include "support/fresh_image.h"

namespace talvex {
namespace {

using testing::FreshImage;

TEST(QosLineText, EmptyEntriesReadUnusedWithTwoDigitNumber)
{
    auto image = FreshImage();
    EXPECT_EQ(QosLineText(image->qosTable[0], 0), "{Unused} #00");
    EXPECT_EQ(QosLineText(image->qosTable[7], 7), "{Unused} #07");
    EXPECT_EQ(QosLineText(image->qosTable[63], 63), "{Unused} #63");
}

TEST(QosLineText, UsedEntryShowsMarksAndLeftAlignedTenCharacterFields)
{
    auto image = FreshImage();
    QosNode& node = image->qosTable[3];
    node.flags = 0x0011;
    node.rateInterval = 1000;
    node.samplePeriod = 1000000;
    EXPECT_EQ(QosLineText(image->qosTable[3], 3),
              "QoS #03: [--bFI---] Rate=1000       Sample=1000000    On=0          Off=0         ");
}

TEST(QosLineText, HighThresholdIsOnAndLowIsOffAndValuesAreUnsigned)
{
    auto image = FreshImage();
    QosNode& node = image->qosTable[42];
    node.flags = 0x0002;  // a kept bit alone makes the entry used
    node.rateInterval = 0xFFFFFFFFu;
    node.samplePeriod = 12345;
    node.highThreshold = 77;
    node.lowThreshold = 5;
    EXPECT_EQ(QosLineText(image->qosTable[42], 42),
              "QoS #42: [--------] Rate=4294967295 Sample=12345      On=77         Off=5         ");
}

TEST(QosFlagMarks, EachBitHasItsMarkInItsPlace)
{
    struct Case {
        std::uint16_t flags;
        const char* marks;
    };
    const Case cases[] = {
        {0x0008, "bB------"}, {0x0010, "--bF----"}, {0x0001, "----I---"}, {0x0004, "-----F--"},
        {0x0020, "------T-"}, {0x0040, "-------A"}, {0x017D, "bBbFIFTA"}, {0xFE82, "--------"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QosFlagMarks(c.flags), c.marks) << std::hex << c.flags;
}

} // namespace
} // namespace talvex
