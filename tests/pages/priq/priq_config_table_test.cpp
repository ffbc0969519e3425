#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "pages/priq/priq_config_table.h"
#include "pages/priq/priq_line.h"
#include "pages/priq/priq_structure.h"
#include "priq_test_table.h"

namespace talvex {
namespace {

using testing::MakePriQTable;
using testing::TwoQueueTable;

TEST(PriQTable, OpeningThePageAndEveryChangeRunTheStructurePass)
{
    const PriQConfigTable table;
    for (const bool open : {true, false}) {
        auto image = std::make_unique<ConfigImage>();
        image->priQTable = TwoQueueTable();
        if (open)
            table.deriveOnOpen(*image);
        else
            table.deriveAfterChange(*image);
        EXPECT_EQ(image->priQTable[4].qosNode, 7);
        EXPECT_EQ(image->priQTable[4].queueNumber, 2);
    }
}

TEST(PriQDelete, ClearsOnlyTheFlagsOfSelectedEntries)
{
    auto image = std::make_unique<ConfigImage>();
    PriQTable& table = image->priQTable;
    table = MakePriQTable({{0, 0x0011, 5}, {1, 0x0021}, {2, 0x0041}});
    RunStructurePass(table);
    table[1].metric2 = 44;
    const std::vector<int> selected{1};
    EXPECT_EQ(PriQConfigTable().deleteEntries(*image, selected).line, 2);
    EXPECT_EQ(table[1].flags, 0);
    EXPECT_EQ(table[1].metric2, 44);
    EXPECT_EQ(table[1].qosNode, 5);

    RunStructurePass(table);
    EXPECT_EQ(table[0].queueNumber, 1);
    EXPECT_EQ(table[2].queueNumber, 1);
    EXPECT_EQ(PriQLineText(table[1], 1), "{Unused} #01");
    EXPECT_EQ(PriQLineText(table[2], 2), "   Pri Q #02: +-Queue 01 Lowest Priority");
}

} // namespace
} // namespace talvex
