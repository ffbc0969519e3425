#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace tabseed {

// How the entries are cut into blocks and how many threads format them.
struct PipelineShape {
    std::uint32_t entriesPerBlock = 4096;
    unsigned workers = 0;        // 0: every block is made by the calling thread
    unsigned slotsPerWorker = 2; // blocks a worker may have ready ahead of the writer
};

// One worker per processor beside the writer's (one to four) and blocks of
// about 800 KB (few hand-overs between the threads), so that the memory used
// stays the same whatever the count.
PipelineShape DefaultPipelineShape();

// Receives the formatted entries block by block, in order; returns false
// when they could not be written.
using BlockSink = std::function<bool(std::string_view)>;

// Makes entries 0 to count - 1 of the run that starts from `seed` and hands
// them to `sink` in order, from the calling thread, while the workers format
// the blocks that follow. Stops at the first block the sink refuses; returns
// whether every block was taken.
bool WriteEntries(std::uint32_t seed, std::uint32_t count, const BlockSink& sink,
                  const PipelineShape& shape = DefaultPipelineShape());

} // namespace tabseed
