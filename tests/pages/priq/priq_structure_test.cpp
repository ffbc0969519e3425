#include <gtest/gtest.h>

#include <cstring>

#include "pages/priq/priq_structure.h"
#include "priq_test_table.h"

namespace talvex {
namespace {

using testing::MakePriQTable;

TEST(StructurePass, MembersTakeTheQueueNumberAndQosNodeOfTheirStart)
{
    PriQTable table = testing::TwoQueueTable();
    RunStructurePass(table);
    const int qos[] = {5, 5, 5, 7, 7};
    const int queue[] = {1, 1, 1, 2, 2};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(table[i].qosNode, qos[i]) << "entry " << i;
        EXPECT_EQ(table[i].queueNumber, queue[i]) << "entry " << i;
    }
}

TEST(StructurePass, EntryAboveEveryStartGetsQueueZeroAndQosZero)
{
    PriQTable table = MakePriQTable({{0, 0x0021, 12}, {1, 0x0011, 4}, {2, 0x0041, 30}});
    table[0].queueNumber = 9;
    RunStructurePass(table);
    EXPECT_EQ(table[0].qosNode, 0);
    EXPECT_EQ(table[0].queueNumber, 0);
    EXPECT_EQ(table[1].qosNode, 4);
    EXPECT_EQ(table[2].qosNode, 4);
    EXPECT_EQ(table[2].queueNumber, 1);
}

TEST(StructurePass, EntriesWithoutInUseBitKeepEveryField)
{
    // 0x0010 without PQ_IN_USE neither starts a queue nor takes a number.
    PriQTable table = MakePriQTable({{0, 0x0011, 3}, {1, 0x0010, 8}, {2, 0x0021, 0}});
    table[1].queueNumber = 77;
    const PriorityQueueEntry before = table[1];
    RunStructurePass(table);
    EXPECT_EQ(0, std::memcmp(&table[1], &before, sizeof before));
    EXPECT_EQ(table[2].qosNode, 3);
    EXPECT_EQ(table[2].queueNumber, 1);
}

TEST(StructurePass, EndDoesNotCloseTheQueueForTheCount)
{
    // An entry after an end and before the next start still belongs to the
    // last start; a start's own QoS node is never overwritten.
    PriQTable table = MakePriQTable({{3, 0x0011, 6}, {4, 0x0041, 1}, {6, 0x0021, 2},
                                     {7, 0x0051, -2}, {8, 0x0041, 0}});
    RunStructurePass(table);
    EXPECT_EQ(table[6].qosNode, 6);
    EXPECT_EQ(table[6].queueNumber, 1);
    EXPECT_EQ(table[7].qosNode, -2);
    EXPECT_EQ(table[7].queueNumber, 2);
    EXPECT_EQ(table[8].qosNode, -2);
    EXPECT_EQ(table[8].queueNumber, 2);
}

TEST(StructurePass, TouchesOnlyQosNodeAndQueueNumber)
{
    PriQTable table = MakePriQTable({{0, 0x0011, 5}, {1, 0x0121, 0}});
    auto raw = RecordBytes(table[1]);
    for (std::size_t b = 0; b < raw.size(); ++b)
        raw[b] = static_cast<std::uint8_t>(b * 7 + 1);
    table[1].flags = 0x0121;
    PriorityQueueEntry expected = table[1];
    expected.qosNode = 5;
    expected.queueNumber = 1;
    RunStructurePass(table);
    EXPECT_EQ(0, std::memcmp(&table[1], &expected, sizeof expected));
}

} // namespace
} // namespace talvex
