#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/run_talvexcfg.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::RunCfg;
using testing::TempDir;
using testing::WriteBytes;

constexpr std::size_t RULE_SIZE = 64;

// Writes the bytes at `offset` of rule `slot` in a file image.
void Put(std::vector<std::uint8_t>& file, std::size_t slot, std::size_t offset,
         std::vector<std::uint8_t> bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        file[slot * RULE_SIZE + offset + i] = bytes[i];
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last line feed";
    return lines;
}

TEST(TalvexCfgListRules, ListsTheLinesOfTheRulesPage)
{
    TempDir dir;
    std::vector<std::uint8_t> file(32768, 0);
    // Slot 3: FRAGS, offset 12, "==" on 0A.00.00.01 mask FF.FF.00.00, then QoS 5,
    // else Forward Frame; ruleNumber holds a stale 99.
    Put(file, 3, 0, {99, 0});
    Put(file, 3, 4, {0x41, 0x00, 0x11, 0x09, 12, 0, 4, 0, 4, 0, 5, 0});
    Put(file, 3, 32, {0x0A, 0x00, 0x00, 0x01});
    Put(file, 3, 48, {0xFF, 0xFF, 0x00, 0x00});
    // Slot 4: only ALWAYS_HIT set, which is cleared after every load.
    Put(file, 4, 4, {0x02});
    // Slot 5: "Received", then Goto Rule -2, else an action without a row.
    Put(file, 5, 4, {0x01, 0x01, 0x05, 0x07});
    Put(file, 5, 14, {0xFE, 0xFF});
    // Slot 6: printable pattern with a length beyond the sixteen bytes.
    Put(file, 6, 4, {0x01, 0x00, 0x08, 0x08, 0, 0, 0, 0, 0x40, 0});
    for (std::size_t i = 0; i < 16; ++i)
        file[6 * RULE_SIZE + 32 + i] = static_cast<std::uint8_t>('a' + i);
    for (std::size_t i = 0; i < 16; ++i)
        file[6 * RULE_SIZE + 48 + i] = 0xFF;
    WriteBytes(dir.file("rules.cfg"), file);

    const auto result = RunCfg({"list", "rules", dir.file("rules.cfg")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const auto lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 256u);
    EXPECT_EQ(lines[0], "{Unused} #000");
    EXPECT_EQ(lines[3], "Rule #003: ...If Data @ Offset 12 == 0A.00.00.01 Mask FF.FF.00.00 "
                        "Then QoS... 5 Else Forward Frame ");
    EXPECT_EQ(lines[4], "{Unused} #004");
    EXPECT_EQ(lines[5], "Rule #005: ...If Received Then Goto Rule... -2 Else  ");
    EXPECT_EQ(lines[6], "Rule #006: ...If Data @ Offset 0 == \"abcdefghijklmnop\" "
                        "Then Drop Frame Else Drop Frame ");
    EXPECT_EQ(lines[255], "{Unused} #255");
}

} // namespace
} // namespace talvex
