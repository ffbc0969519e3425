#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "config/config_file.h"
#include "pages/qos/qos_table.h"

namespace talvex {
namespace {

using ::testing::ElementsAre;

std::unique_ptr<ConfigImage> FreshImage()
{
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    return image;
}

// A node whose every byte is set, so a lost or misplaced byte shows.
QosNode MarkedNode(std::uint8_t seed)
{
    QosNode node;
    auto bytes = RecordBytes(node);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(seed + i);
    return node;
}

bool SameBytes(const QosNode& a, const QosNode& b)
{
    return std::memcmp(&a, &b, sizeof(QosNode)) == 0;
}

TEST(LowestEmptyQos, FindsTheFirstEntryWithZeroFlagsOrNoneInAFullTable)
{
    auto image = FreshImage();
    EXPECT_EQ(LowestEmptyQos(*image), 0);
    image->qosTable[0].flags = QOS_BY_FRAMES;
    image->qosTable[1].flags = 0x0002;
    image->qosTable[3].flags = QOS_IMMORTAL;
    EXPECT_EQ(LowestEmptyQos(*image), 2);
    for (QosNode& node : image->qosTable)
        node.flags = 0x8000;
    EXPECT_EQ(LowestEmptyQos(*image), std::nullopt);
}

TEST(EmptyQosNode, ClearsEverythingButTheLastWordAndSetsTheDefaultSamplePeriod)
{
    QosNode node = MarkedNode(1);
    const auto lastWord = node.engineReserved;
    EmptyQosNode(node);

    QosNode expected{};
    expected.samplePeriod = 1000000;
    expected.engineReserved = lastWord;
    EXPECT_TRUE(SameBytes(node, expected));
    EXPECT_FALSE(node.isUsed());
}

TEST(DeleteQosEntries, EmptiesSelectedEntriesHighestFirstAndSelectsTheLineAfterTheLowest)
{
    auto image = FreshImage();
    for (int i = 0; i < QOS_COUNT; ++i)
        image->qosTable[i] = MarkedNode(static_cast<std::uint8_t>(i));
    const QosNode untouched = image->qosTable[7];

    const int selected[] = {5, 9};
    const QosDeleteResult result = DeleteQosEntries(*image, selected);
    EXPECT_THAT(result.emptied, ElementsAre(9, 5));
    EXPECT_EQ(result.lineToSelect, 6);
    EXPECT_FALSE(image->qosTable[5].isUsed());
    EXPECT_FALSE(image->qosTable[9].isUsed());
    EXPECT_TRUE(SameBytes(image->qosTable[7], untouched));
}

TEST(DeleteQosEntries, LineToSelectFollowsTheLowestDeletedLine)
{
    struct Case {
        std::vector<int> selected;
        int lineToSelect;
    };
    const Case cases[] = {
        {{}, 0},           // nothing deleted: line 0
        {{63}, 64},        // no line after 63: the page leaves the selection alone
        {{0, 63, 12}, 1},  // order of the selection does not matter
        {{-1, 64}, 0},     // lines outside the table are skipped
    };
    for (const Case& c : cases) {
        auto image = FreshImage();
        EXPECT_EQ(DeleteQosEntries(*image, c.selected).lineToSelect, c.lineToSelect);
    }
}

TEST(QosMoveNeighbour, StaysInsideTheTable)
{
    EXPECT_EQ(QosMoveNeighbour(4, QosMove::Down), 5);
    EXPECT_EQ(QosMoveNeighbour(0, QosMove::Up), std::nullopt);
    EXPECT_EQ(QosMoveNeighbour(63, QosMove::Down), std::nullopt);
    EXPECT_EQ(QosMoveNeighbour(63, QosMove::Up), 62);
    EXPECT_EQ(QosMoveNeighbour(-1, QosMove::Down), std::nullopt);
}

TEST(ExchangeQosNodes, RenumbersQosReferencesInRulesMasksAndQueues)
{
    auto image = FreshImage();
    const QosNode four = MarkedNode(40);
    const QosNode five = MarkedNode(50);
    image->qosTable[4] = four;
    image->qosTable[5] = five;

    RuleRecord& thenQos = image->ruleTable[10];
    thenQos.thenAction = ACTION_QOS;
    thenQos.thenParam = 4;
    RuleRecord& elseQos = image->ruleTable[11];
    elseQos.elseAction = ACTION_QOS;
    elseQos.elseParam = 5;
    RuleRecord& notQos = image->ruleTable[12];
    notQos.thenAction = ACTION_ADDRESS_MASK;
    notQos.thenParam = 4;
    RuleRecord& flaggedQos = image->ruleTable[13];  // bits 5-7 set: not a QoS reference
    flaggedQos.thenAction = ACTION_QOS | 0x20;
    flaggedQos.thenParam = 4;
    RuleRecord& otherNode = image->ruleTable[255];
    otherNode.elseAction = ACTION_QOS;
    otherNode.elseParam = 6;
    image->maskTable[20].qosNode = 5;
    image->maskTable[20].flags = MASK_IN_USE;
    image->priQTable[30].qosNode = 5;
    image->priQTable[30].flags = PQ_IN_USE;
    image->maskTable[21].defaultAction = ACTION_QOS;  // default action "QoS..." node 4
    image->maskTable[21].defaultParam = 4;

    ExchangeQosNodes(*image, 4, 5);

    EXPECT_EQ(thenQos.thenParam, 5);
    EXPECT_EQ(elseQos.elseParam, 4);
    EXPECT_EQ(notQos.thenParam, 4);
    EXPECT_EQ(flaggedQos.thenParam, 4);
    EXPECT_EQ(otherNode.elseParam, 6);
    EXPECT_EQ(image->maskTable[20].qosNode, 4);
    EXPECT_EQ(image->priQTable[30].qosNode, 4);
    EXPECT_EQ(image->maskTable[21].defaultParam, 5);
    EXPECT_TRUE(SameBytes(image->qosTable[5], four));
    EXPECT_TRUE(SameBytes(image->qosTable[4], five));
}

TEST(ExchangeQosNodes, RenumbersEmptyMasksAndQueuesAndRulesToo)
{
    auto image = FreshImage();
    image->masksBlockAbsent = true;
    image->priQBlockAbsent = true;
    RuleRecord& unusedRule = image->ruleTable[0];
    unusedRule.thenAction = ACTION_QOS;  // not RULE_DEFINED, still a reference
    unusedRule.thenParam = 0;

    ExchangeQosNodes(*image, 0, 1);

    EXPECT_TRUE(std::all_of(image->maskTable.begin(), image->maskTable.end(),
                            [](const AddressMask& m) { return m.qosNode == 1; }));
    EXPECT_TRUE(std::all_of(image->priQTable.begin(), image->priQTable.end(),
                            [](const PriorityQueueEntry& e) { return e.qosNode == 1; }));
    EXPECT_EQ(unusedRule.thenParam, 1);
    EXPECT_EQ(unusedRule.elseParam, 0);  // else action is none, no reference
}

TEST(ExchangeQosNodes, LeavesNegativeAndOutOfRangeReferencesAlone)
{
    auto image = FreshImage();
    image->maskTable[0].qosNode = -1;
    image->priQTable[0].qosNode = 0x10005;  // low bits equal 5 but the value is not 5
    image->priQTable[1].qosNode = 63;
    image->ruleTable[0].thenAction = ACTION_QOS;
    image->ruleTable[0].thenParam = -1;

    ExchangeQosNodes(*image, 62, 63);

    EXPECT_EQ(image->maskTable[0].qosNode, -1);
    EXPECT_EQ(image->priQTable[0].qosNode, 0x10005);
    EXPECT_EQ(image->priQTable[1].qosNode, 62);
    EXPECT_EQ(image->ruleTable[0].thenParam, -1);
}

} // namespace
} // namespace talvex
