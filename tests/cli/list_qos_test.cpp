#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/run_talvexcfg.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::FileWord;
using testing::PatternBytes;
using testing::RunCfg;
using testing::TempDir;
using testing::WriteBytes;

constexpr std::size_t QOS_BLOCK_AT = 17408;

// The listing worked out from the file bytes alone.
std::string ExpectedListing(const std::vector<std::uint8_t>& file)
{
    std::string listing;
    for (std::size_t i = 0; i < 64; ++i) {
        const std::size_t node = QOS_BLOCK_AT + i * 64;
        const std::uint32_t flags = FileWord(file, node + 12, 2);
        char line[128];
        if (flags == 0) {
            std::snprintf(line, sizeof line, "{Unused} #%02zu\n", i);
        } else {
            std::string marks;
            marks += (flags & 0x08) ? "bB" : "--";
            marks += (flags & 0x10) ? "bF" : "--";
            marks += (flags & 0x01) ? "I" : "-";
            marks += (flags & 0x04) ? "F" : "-";
            marks += (flags & 0x20) ? "T" : "-";
            marks += (flags & 0x40) ? "A" : "-";
            std::snprintf(line, sizeof line, "QoS #%02zu: [%s] Rate=%-10u Sample=%-10u On=%-10u Off=%-10u\n",
                          i, marks.c_str(), FileWord(file, node + 36, 4), FileWord(file, node + 40, 4),
                          FileWord(file, node + 44, 4), FileWord(file, node + 48, 4));
        }
        listing += line;
    }
    return listing;
}

void PutWord(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i)
        file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(TalvexCfgListQos, ListsSixtyFourLinesWithFlagMarksAndRawValues)
{
    TempDir dir;
    std::vector<std::uint8_t> file(32768, 0);
    const std::size_t node3 = QOS_BLOCK_AT + 3 * 64;
    PutWord(file, node3 + 12, 0x0011, 2);
    PutWord(file, node3 + 36, 1000, 4);
    PutWord(file, node3 + 40, 1000000, 4);
    const std::size_t node9 = QOS_BLOCK_AT + 9 * 64;
    PutWord(file, node9 + 12, 0x0200, 2);  // only a kept bit: still used
    PutWord(file, node9 + 44, 0xFFFFFFFFu, 4);
    PutWord(file, QOS_BLOCK_AT + 10 * 64 + 36, 55, 4);  // a rate but no flags: unused
    WriteBytes(dir.file("qos.cfg"), file);

    const auto result = RunCfg({"list", "qos", dir.file("qos.cfg")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, ExpectedListing(file));
    EXPECT_NE(result.out.find("{Unused} #02\nQoS #03: [--bFI---] Rate=1000       Sample=1000000    "
                              "On=0          Off=0         \n{Unused} #04\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("QoS #09: [--------] Rate=0          Sample=0          "
                              "On=4294967295 Off=0         \n{Unused} #10\n"),
              std::string::npos);
}

TEST(TalvexCfgListQos, MatchesTheFileBytesForGeneratedFilesOfBothGenerations)
{
    TempDir dir;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        const std::size_t length = seed % 2 == 0 ? 27648 : 32768;
        std::vector<std::uint8_t> file = PatternBytes(length, seed);
        // Some nodes empty, so both kinds of line appear.
        for (std::size_t i = seed; i < 64; i += 5)
            PutWord(file, QOS_BLOCK_AT + i * 64 + 12, 0, 2);
        const std::string name = dir.file("gen" + std::to_string(seed) + ".cfg");
        WriteBytes(name, file);

        const auto result = RunCfg({"list", "qos", name});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, ExpectedListing(file)) << "seed " << seed;
    }
}

} // namespace
} // namespace talvex
