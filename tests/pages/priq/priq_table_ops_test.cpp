#include <gtest/gtest.h>

#include <vector>

#include "pages/priq/priq_lines.h"
#include "pages/priq/priq_structure.h"
#include "pages/priq/priq_table_ops.h"
#include "priq_test_table.h"

namespace talvex {
namespace {

using testing::MakePriQTable;

TEST(PriQAdd, TakesTheFirstEntryWithZeroFlags)
{
    PriQTable table = MakePriQTable({{0, 0x0011}, {1, 0x0100}, {3, 0x0041}});
    EXPECT_EQ(FirstUnusedEntry(table), 2);
    table[2].flags = 0x0021;
    EXPECT_EQ(FirstUnusedEntry(table), 4);
}

TEST(PriQAdd, FullTableGivesNothing)
{
    PriQTable table{};
    for (auto& entry : table)
        entry.flags = 0x0021;
    EXPECT_EQ(FirstUnusedEntry(table), std::nullopt);
}

TEST(PriQEdit, OpensOnlyForOneSelectedLineInsideTheTable)
{
    EXPECT_EQ(DecideEdit(-1, 0), EditStep::Nothing);
    EXPECT_EQ(DecideEdit(64, 1), EditStep::Nothing);
    EXPECT_EQ(DecideEdit(5, 2), EditStep::SelectCaretOnly);
    EXPECT_EQ(DecideEdit(5, 1), EditStep::OpenEditor);
    EXPECT_EQ(DecideEdit(0, 0), EditStep::OpenEditor);
    EXPECT_EQ(DecideEdit(63, 1), EditStep::OpenEditor);
}

TEST(PriQDelete, ClearsOnlyTheFlagsOfSelectedEntries)
{
    PriQTable table = MakePriQTable({{0, 0x0011, 5}, {1, 0x0021}, {2, 0x0041}});
    RunStructurePass(table);
    table[1].metric2 = 44;
    const std::vector<int> selected{1};
    EXPECT_EQ(DeleteSelectedEntries(table, selected), 2);
    EXPECT_EQ(table[1].flags, 0);
    EXPECT_EQ(table[1].metric2, 44);
    EXPECT_EQ(table[1].qosNode, 5);

    RunStructurePass(table);
    EXPECT_EQ(table[0].queueNumber, 1);
    EXPECT_EQ(table[2].queueNumber, 1);
    EXPECT_EQ(PriQLineText(table[1], 1), "{Unused} #01");
    EXPECT_EQ(PriQLineText(table[2], 2), "   Pri Q #02: +-Queue 01 Lowest Priority");
}

TEST(PriQDelete, NextLineFollowsTheLowestDeletedLine)
{
    struct Case {
        std::vector<int> selected;
        int nextLine;
    } const cases[] = {
        {{}, 0},
        {{7, 3, 40}, 4},
        {{63}, 64},
        {{0}, 1},
        {{-1, 64, 10}, 11},
    };
    for (const Case& c : cases) {
        PriQTable table{};
        for (auto& entry : table)
            entry.flags = 0x0021;
        EXPECT_EQ(DeleteSelectedEntries(table, c.selected), c.nextLine);
        int cleared = 0;
        for (const auto& entry : table)
            cleared += entry.flags == 0;
        int inside = 0;
        for (int line : c.selected)
            inside += line >= 0 && line < 64;
        EXPECT_EQ(cleared, inside);
    }
}

} // namespace
} // namespace talvex
