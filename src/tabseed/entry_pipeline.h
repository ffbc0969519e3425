#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace tabseed {

// How the entries are cut into blocks and how many threads format them.
struct PipelineShape {
    std::uint32_t entriesPerBlock = 1024;
    unsigned workers = 0;        // 0: every block is made by the calling thread
    unsigned slotsPerWorker = 4; // blocks a worker may have ready ahead of the writer
};

// One worker per processor (one to four), blocks of about 200 KB and room
// for each worker to run four blocks ahead of the writer, which carries the
// workers over the moments a write stalls; the memory used (at most about
// 4 MB) stays the same whatever the count.
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
