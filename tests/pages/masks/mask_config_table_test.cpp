#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "config/action_references.h"
#include "pages/masks/mask_config_table.h"

namespace talvex {
namespace {

std::unique_ptr<ConfigImage> NewImage() { return std::make_unique<ConfigImage>(); }

// A mask whose every byte differs, so a partial copy or a lost byte shows.
AddressMask PatternedMask(std::uint8_t seed)
{
    AddressMask mask{};
    auto bytes = RecordBytes(mask);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i * 7 + 1);
    mask.flags = 0x0003;
    return mask;
}

std::vector<std::uint8_t> BytesOf(const AddressMask& mask)
{
    const auto bytes = RecordBytes(mask);
    return {bytes.begin(), bytes.end()};
}

TEST(MaskDelete, ClearsOnlyTheUsageFieldsAndKeepsTheRest)
{
    auto image = NewImage();
    image->maskTable[2] = PatternedMask(10);
    image->maskTable[4] = PatternedMask(90);
    image->maskTable[3] = PatternedMask(50);
    const auto before2 = BytesOf(image->maskTable[2]);
    const auto before3 = BytesOf(image->maskTable[3]);

    const std::vector<int> selected{4, 2};
    EXPECT_EQ(MaskConfigTable().deleteEntries(*image, selected).line, 3);

    for (int entry : {2, 4}) {
        const AddressMask& mask = image->maskTable[entry];
        EXPECT_FALSE(mask.isUsed());
        EXPECT_EQ(mask.srcOffset, 0);
        EXPECT_EQ(mask.srcLength, 0);
        EXPECT_EQ(mask.dstOffset, 0);
        EXPECT_EQ(mask.dstLength, 0);
        EXPECT_EQ(mask.srcMask[0], 0);
        EXPECT_EQ(mask.dstMask[0], 0);
    }
    // Every other byte of entry 2 is as it was.
    const auto after2 = BytesOf(image->maskTable[2]);
    const std::vector<std::size_t> cleared{10, 11, 12, 30, 31, 32, 50, 51};
    for (std::size_t i = 0; i < after2.size(); ++i) {
        if (std::find(cleared.begin(), cleared.end(), i) == cleared.end()) {
            EXPECT_EQ(after2[i], before2[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(BytesOf(image->maskTable[3]), before3);
}

TEST(ActionReferenceTable, OnlyTheThreeWholeBytesCountAsMaskReferences)
{
    for (int byte = 0; byte < 256; ++byte) {
        const bool expected = byte == 0x12 || byte == 0x16 || byte == 0x17;
        EXPECT_EQ(ActionReferenceTable(static_cast<std::uint8_t>(byte)) == TableKind::Masks,
                  expected) << byte;
    }
}

TEST(MaskExchange, SwapsWholeRecordsAndRenumbersRuleReferences)
{
    auto image = NewImage();
    image->maskTable[4] = PatternedMask(4);
    image->maskTable[5] = PatternedMask(5);
    const auto bytes4 = BytesOf(image->maskTable[4]);
    const auto bytes5 = BytesOf(image->maskTable[5]);
    image->ruleTable[10].thenAction = 0x12;
    image->ruleTable[10].thenParam = 4;
    image->ruleTable[11].elseAction = 0x17;
    image->ruleTable[11].elseParam = 5;
    image->maskTable[9].defaultAction = 0x16;  // "Audit, Then Forward..." mask 4
    image->maskTable[9].defaultParam = 4;

    const RewrittenEntries rewritten = MaskConfigTable().exchange(*image, 4, 5);

    EXPECT_EQ(rewritten.of(TableKind::Rules), RewrittenEntries::Entries().set(10).set(11));
    EXPECT_EQ(rewritten.of(TableKind::Masks), RewrittenEntries::Entries().set(4).set(5).set(9));
    EXPECT_EQ(image->ruleTable[10].thenParam, 5);
    EXPECT_EQ(image->ruleTable[11].elseParam, 4);
    EXPECT_EQ(image->maskTable[9].defaultParam, 5);
    EXPECT_EQ(BytesOf(image->maskTable[4]), bytes5);
    EXPECT_EQ(BytesOf(image->maskTable[5]), bytes4);
}

TEST(MaskExchange, BothReferencesOfOneRuleAreExchangedNotMerged)
{
    auto image = NewImage();
    RuleRecord& rule = image->ruleTable[0];  // unused rules are renumbered too
    rule.thenAction = 0x16;
    rule.thenParam = 8;
    rule.elseAction = 0x16;
    rule.elseParam = 7;
    MaskConfigTable().exchange(*image, 8, 7);
    EXPECT_EQ(rule.thenParam, 7);
    EXPECT_EQ(rule.elseParam, 8);
}

TEST(MaskExchange, LeavesOtherActionsAndOtherNumbersAlone)
{
    struct Case {
        std::uint8_t action;
        std::int16_t param;
    };
    const Case cases[] = {
        {0x32, 4},  // mask code with a kept upper bit set
        {0x11, 4},  // QoS node 4
        {0x15, 5},  // priority-queue entry 5
        {0x05, 4},  // Goto Rule 4
        {0x12, 6},  // another mask
        {0x12, -1},
        {0x17, static_cast<std::int16_t>(0x0104)},  // only the low byte matches
    };
    for (const Case& c : cases) {
        auto image = NewImage();
        image->ruleTable[200].thenAction = c.action;
        image->ruleTable[200].thenParam = c.param;
        image->ruleTable[200].elseAction = c.action;
        image->ruleTable[200].elseParam = c.param;
        MaskConfigTable().exchange(*image, 4, 5);
        EXPECT_EQ(image->ruleTable[200].thenParam, c.param) << int(c.action) << " " << c.param;
        EXPECT_EQ(image->ruleTable[200].elseParam, c.param) << int(c.action) << " " << c.param;
    }
}

} // namespace
} // namespace talvex
