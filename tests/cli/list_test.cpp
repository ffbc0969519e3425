// What `talvexcfg list` does the same way for every table.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/run_talvexcfg.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::PatternBytes;
using testing::RunCfg;
using testing::TempDir;
using testing::WriteBytes;

TEST(TalvexCfgList, AFileThatDoesNotLoadListsNothingForEveryTable)
{
    TempDir dir;
    WriteBytes(dir.file("short.cfg"), PatternBytes(22528, 4));
    for (const char* table : {"rules", "masks", "priq", "qos"}) {
        const auto result = RunCfg({"list", table, dir.file("short.cfg")});
        EXPECT_EQ(result.status, 2) << table;
        EXPECT_EQ(result.out, "") << table;
        EXPECT_NE(result.err.find("short.cfg"), std::string::npos) << table;
    }
    const auto unknown = RunCfg({"list", "nodes", dir.file("short.cfg")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err.rfind("talvexcfg: unknown table 'nodes'", 0), 0u) << unknown.err;
}

// A file that loads but holds no entry of the table: the address masks of a
// file with one byte of their block, the priority queues of the older
// generation.
TEST(TalvexCfgList, ATableTheFileDoesNotHoldListsSixtyFourUnusedLines)
{
    TempDir dir;
    const struct {
        const char* table;
        std::size_t length;
        std::uint32_t seed;
    } cases[] = {{"masks", 22529, 1}, {"priq", 27648, 3}};
    std::string expected;
    for (int i = 0; i < 64; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "{Unused} #%02d\n", i);
        expected += line;
    }
    for (const auto& c : cases) {
        WriteBytes(dir.file("in.cfg"), PatternBytes(c.length, c.seed));
        const auto result = RunCfg({"list", c.table, dir.file("in.cfg")});
        EXPECT_EQ(result.status, 0) << c.table << result.err;
        EXPECT_EQ(result.out, expected) << c.table;
    }
}

} // namespace
} // namespace talvex
