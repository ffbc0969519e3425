#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/run_talvexcfg.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::PatternBytes;
using testing::RunCfg;
using testing::TempDir;
using testing::WriteBytes;

constexpr std::size_t MASK_BLOCK_AT = 22528;
constexpr std::size_t FLAGS_IN_MASK = 10;

// The listing worked out from the file bytes alone: an entry is used when
// its flags word, as far as the file holds it, is not 0.
std::string ExpectedListing(const std::vector<std::uint8_t>& file)
{
    std::string listing;
    for (std::size_t i = 0; i < 64; ++i) {
        const std::size_t at = MASK_BLOCK_AT + i * 64 + FLAGS_IN_MASK;
        unsigned flags = 0;
        if (at < file.size())
            flags |= file[at];
        if (at + 1 < file.size())
            flags |= static_cast<unsigned>(file[at + 1]) << 8;
        char line[32];
        if (flags != 0)
            std::snprintf(line, sizeof line, "Mask #%02zu: ...\n", i);
        else
            std::snprintf(line, sizeof line, "{Unused} #%02zu\n", i);
        listing += line;
    }
    return listing;
}

TEST(TalvexCfgListMasks, ListsSixtyFourLinesAsTheManagerShowsThem)
{
    TempDir dir;
    std::vector<std::uint8_t> file(32768, 0);
    for (std::size_t entry : {0u, 5u, 63u})
        file[MASK_BLOCK_AT + entry * 64 + FLAGS_IN_MASK] = 0x03;
    file[MASK_BLOCK_AT + 9 * 64 + FLAGS_IN_MASK + 1] = 0x01;  // only a high-byte bit
    file[MASK_BLOCK_AT + 10 * 64 + 12] = 0xFF;                // mask bytes but no flags
    WriteBytes(dir.file("masks.cfg"), file);

    const auto result = RunCfg({"list", "masks", dir.file("masks.cfg")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, ExpectedListing(file));
    EXPECT_NE(result.out.find("Mask #09: ...\n{Unused} #10\n"), std::string::npos);
}

TEST(TalvexCfgListMasks, MatchesTheFileBytesForGeneratedFiles)
{
    TempDir dir;
    for (std::size_t length : {22529u, 22600u, 24000u, 27648u, 32768u, 40000u}) {
        auto file = PatternBytes(length, static_cast<std::uint32_t>(length) * 3u);
        // Leave some entries empty so both line forms appear.
        for (std::size_t entry = 0; entry < 64; entry += 3) {
            const std::size_t at = MASK_BLOCK_AT + entry * 64 + FLAGS_IN_MASK;
            for (std::size_t b = at; b < at + 2 && b < file.size(); ++b)
                file[b] = 0;
        }
        WriteBytes(dir.file("gen.cfg"), file);
        const auto result = RunCfg({"list", "masks", dir.file("gen.cfg")});
        EXPECT_EQ(result.status, 0) << length << result.err;
        EXPECT_EQ(result.out, ExpectedListing(file)) << length;
    }
}

} // namespace
} // namespace talvex
