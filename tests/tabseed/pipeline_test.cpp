#include "tabseed/entry_block.h"
#include "tabseed/entry_pipeline.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tabseed {
namespace {

std::string MadeInOneBlock(std::uint32_t seed, std::uint32_t count)
{
    std::vector<char> bytes(MaxBlockBytes(count) + 1);
    return std::string(bytes.data(), FormatEntryBlock(seed, 0, count, bytes.data()));
}

TEST(EntryPipeline, BlocksFromAnyNumberOfThreadsJoinToTheSameEntries)
{
    const PipelineShape shapes[] = {
        {1024, 1}, {7, 1}, {1, 2}, {7, 2}, {7, 4}, {5, 3}, {1024, 2},
    };
    for (const std::uint32_t count : {1u, 6u, 7u, 8u, 250u}) {
        const std::string expected = MadeInOneBlock(0xABCD, count);
        for (const PipelineShape& shape : shapes) {
            std::string joined;
            int blocks = 0;
            const bool written = WriteEntries(0xABCD, count, [&](std::string_view block) {
                joined.append(block);
                ++blocks;
                return true;
            }, shape);
            EXPECT_TRUE(written);
            EXPECT_EQ(joined, expected) << count << " entries in blocks of " << shape.entriesPerBlock << ", "
                                        << shape.threads << " threads";
            EXPECT_EQ(blocks, static_cast<int>((count + shape.entriesPerBlock - 1) / shape.entriesPerBlock));
        }
    }
}

TEST(EntryPipeline, StopsAtTheFirstBlockTheSinkRefuses)
{
    for (const unsigned threads : {1u, 2u, 4u}) {
        int offered = 0;
        const bool written = WriteEntries(5, 100, [&](std::string_view) { return ++offered < 3; }, {10, threads});
        EXPECT_FALSE(written);
        EXPECT_EQ(offered, 3) << threads << " threads";
    }
}

TEST(EntryPipeline, NoEntriesOffersNothing)
{
    bool offered = false;
    EXPECT_TRUE(WriteEntries(5, 0, [&](std::string_view) { return offered = true; }));
    EXPECT_FALSE(offered);
}

} // namespace
} // namespace tabseed
