#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "config/config_file.h"
#include "pages/qos/qos_config_table.h"
#include "support/fresh_image.h"

namespace talvex {
namespace {

using ::testing::ElementsAre;

using testing::FreshImage;

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

TEST(QosDelete, EmptiesSelectedEntriesHighestFirstAndSelectsTheLineAfterTheLowest)
{
    auto image = FreshImage();
    for (int i = 0; i < QOS_COUNT; ++i)
        image->qosTable[i] = MarkedNode(static_cast<std::uint8_t>(i));
    const QosNode untouched = image->qosTable[7];

    const int selected[] = {5, 9};
    const DeleteResult result = QosConfigTable().deleteEntries(*image, selected);
    EXPECT_THAT(result.emptied, ElementsAre(9, 5));
    EXPECT_EQ(result.line, 6);
    EXPECT_FALSE(image->qosTable[5].isUsed());
    EXPECT_FALSE(image->qosTable[9].isUsed());
    EXPECT_TRUE(SameBytes(image->qosTable[7], untouched));
}

TEST(QosExchange, RenumbersQosReferencesInRulesMasksAndQueues)
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

    const RewrittenEntries rewritten = QosConfigTable().exchange(*image, 4, 5);

    EXPECT_EQ(rewritten.of(TableKind::Rules), RewrittenEntries::Entries().set(10).set(11));
    EXPECT_EQ(rewritten.of(TableKind::Masks), RewrittenEntries::Entries().set(20).set(21));
    EXPECT_EQ(rewritten.of(TableKind::PriQ), RewrittenEntries::Entries().set(30));
    EXPECT_EQ(rewritten.of(TableKind::Qos), RewrittenEntries::Entries().set(4).set(5));
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

TEST(QosExchange, RenumbersEmptyMasksAndQueuesAndRulesToo)
{
    auto image = FreshImage();
    image->masksBlockAbsent = true;
    image->priQBlockAbsent = true;
    RuleRecord& unusedRule = image->ruleTable[0];
    unusedRule.thenAction = ACTION_QOS;  // not RULE_DEFINED, still a reference
    unusedRule.thenParam = 0;

    QosConfigTable().exchange(*image, 0, 1);

    EXPECT_TRUE(std::all_of(image->maskTable.begin(), image->maskTable.end(),
                            [](const AddressMask& m) { return m.qosNode == 1; }));
    EXPECT_TRUE(std::all_of(image->priQTable.begin(), image->priQTable.end(),
                            [](const PriorityQueueEntry& e) { return e.qosNode == 1; }));
    EXPECT_EQ(unusedRule.thenParam, 1);
    EXPECT_EQ(unusedRule.elseParam, 0);  // else action is none, no reference
}

TEST(QosExchange, LeavesNegativeAndOutOfRangeReferencesAlone)
{
    auto image = FreshImage();
    image->maskTable[0].qosNode = -1;
    image->priQTable[0].qosNode = 0x10005;  // low bits equal 5 but the value is not 5
    image->priQTable[1].qosNode = 63;
    image->ruleTable[0].thenAction = ACTION_QOS;
    image->ruleTable[0].thenParam = -1;

    QosConfigTable().exchange(*image, 62, 63);

    EXPECT_EQ(image->maskTable[0].qosNode, -1);
    EXPECT_EQ(image->priQTable[0].qosNode, 0x10005);
    EXPECT_EQ(image->priQTable[1].qosNode, 62);
    EXPECT_EQ(image->ruleTable[0].thenParam, -1);
}

} // namespace
} // namespace talvex
