#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "pages/priq/priq_line.h"
#include "pages/priq/priq_structure.h"
#include "priq_test_table.h"

namespace talvex {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

TEST(PriQLines, TwoQueuesDrawAsBracketsAfterTheStructurePass)
{
    PriQTable table = testing::TwoQueueTable();
    RunStructurePass(table);
    std::vector<std::string> lines;
    for (int entry = 0; entry < PRIQ_COUNT; ++entry)
        lines.push_back(PriQLineText(table[static_cast<std::size_t>(entry)], entry));
    EXPECT_EQ(lines[0], "   Pri Q #00: +-Queue 01 Highest Priority");
    EXPECT_EQ(lines[1], "   Pri Q #01: |          Intermediate Priority");
    EXPECT_EQ(lines[2], "   Pri Q #02: +-Queue 01 Lowest Priority");
    EXPECT_EQ(lines[3], "   Pri Q #03: [-Queue 02 Trivia Priority Queue");
    EXPECT_EQ(lines[4], "   Pri Q #04: |          Intermediate Priority");
    EXPECT_EQ(lines[5], "{Unused} #05");
    EXPECT_EQ(lines[63], "{Unused} #63");
}

TEST(PriQLines, QueueNumberIsPrintedSignedAndAtLeastTwoDigits)
{
    struct Case {
        std::uint16_t queueNumber;
        const char* line;
    } const cases[] = {
        {0, "   Pri Q #09: +-Queue 00 Highest Priority"},
        {7, "   Pri Q #09: +-Queue 07 Highest Priority"},
        {64, "   Pri Q #09: +-Queue 64 Highest Priority"},
        {123, "   Pri Q #09: +-Queue 123 Highest Priority"},
        {0xFFFF, "   Pri Q #09: +-Queue -1 Highest Priority"},
        {0x8000, "   Pri Q #09: +-Queue -32768 Highest Priority"},
    };
    for (const Case& c : cases) {
        PriorityQueueEntry entry{};
        entry.flags = 0x0011;
        entry.queueNumber = c.queueNumber;
        EXPECT_EQ(PriQLineText(entry, 9), c.line);
    }
}

TEST(PriQLines, UsedEntryWithInvalidPositionBitsSaysSo)
{
    const std::uint16_t flagWords[] = {0x0001, 0x0031, 0x0061, 0x0071, 0x0100, 0x0030};
    for (std::uint16_t flags : flagWords) {
        PriorityQueueEntry entry{};
        entry.flags = flags;
        entry.queueNumber = 3;
        const std::string line = PriQLineText(entry, 12);
        SCOPED_TRACE(line);
        EXPECT_THAT(line, StartsWith("   Pri Q #12: "));
        EXPECT_THAT(line, HasSubstr("Invalid position bits"));
        for (const char* other : {"Highest", "Intermediate", "Lowest", "Trivia", "{Unused}"})
            EXPECT_THAT(line, Not(HasSubstr(other)));
    }
    PriorityQueueEntry entry{};
    entry.flags = 0x0061;
    EXPECT_EQ(PriQLineText(entry, 5), "   Pri Q #05: Invalid position bits 0x60");
}

TEST(PriQLines, OnlyAZeroFlagsWordIsUnused)
{
    PriorityQueueEntry entry{};
    entry.queueNumber = 4;
    entry.qosNode = 9;
    EXPECT_EQ(PriQLineText(entry, 0), "{Unused} #00");
    entry.flags = 0x0050;  // position bits without PQ_IN_USE still draw
    EXPECT_EQ(PriQLineText(entry, 0), "   Pri Q #00: [-Queue 04 Trivia Priority Queue");
    entry.flags = 0x0240;  // bits outside the position bits do not matter
    EXPECT_EQ(PriQLineText(entry, 0), "   Pri Q #00: +-Queue 04 Lowest Priority");
}

} // namespace
} // namespace talvex
