#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace tabseed {

// How the entries are cut into blocks and how many threads make them.
struct PipelineShape {
    std::uint32_t entriesPerBlock = 1024;
    unsigned threads = 1;        // the calling thread and threads - 1 more
    unsigned slotsPerThread = 2; // block buffers in the ring for each thread
};

// One thread per processor (one to four), blocks of about 200 KB and two
// buffers for each thread: while one thread writes, the others format the
// blocks that follow. The memory used (about 540 KB a thread) stays the
// same whatever the count.
PipelineShape DefaultPipelineShape();

// Receives the formatted entries block by block, in order and one block at
// a time, from any of the threads; returns false when they could not be
// written.
using BlockSink = std::function<bool(std::string_view)>;

// Makes entries 0 to count - 1 of the run that starts from `seed` and hands
// them to `sink` in order. Stops at the first block the sink refuses;
// returns whether every block was taken.
bool WriteEntries(std::uint32_t seed, std::uint32_t count, const BlockSink& sink,
                  const PipelineShape& shape = DefaultPipelineShape());

} // namespace tabseed
