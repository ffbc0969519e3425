#include "tabseed/entry_pipeline.h"

#include "tabseed/entry_block.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tabseed {

namespace {

constexpr unsigned MAX_THREADS = 4;

struct BlockBuffer {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    bool ready = false; // formatted and not yet written
};

// A ring of block buffers shared by the threads. Each thread takes the next
// block, formats it into the block's buffer and then writes the blocks that
// are ready, in order, unless another thread is writing already; that one
// takes the new block along. No thread waits for another to write, so none
// stands idle while there is work; a thread waits only when the ring is full
// of blocks not yet written.
class BlockRing {
public:
    BlockRing(std::uint32_t seed, std::uint32_t count, const PipelineShape& shape, const BlockSink& sink)
        : seed_(seed), count_(count), entriesPerBlock_(shape.entriesPerBlock),
          blockCount_((static_cast<std::uint64_t>(count) + shape.entriesPerBlock - 1) / shape.entriesPerBlock),
          buffers_(std::max(1u, shape.threads) * std::max(1u, shape.slotsPerThread)), sink_(sink)
    {
        for (BlockBuffer& buffer : buffers_) {
            buffer.bytes = std::make_unique_for_overwrite<char[]>(MaxBlockBytes(entriesPerBlock_));
        }
    }

    // Work of every thread: until all blocks are taken or a write failed.
    void Run()
    {
        std::unique_lock lock(mutex_);
        while (!failed_ && nextToTake_ < blockCount_) {
            const std::uint64_t block = nextToTake_++;
            slotFree_.wait(lock, [&] { return failed_ || block < nextToWrite_ + buffers_.size(); });
            if (failed_) {
                return;
            }
            BlockBuffer& buffer = BufferOf(block);
            lock.unlock();
            buffer.size = FormatBlock(block, buffer.bytes.get());
            lock.lock();
            buffer.ready = true;
            if (!writing_) {
                WriteReadyBlocks(lock);
            }
        }
    }

    // Whether a block was refused; read once the threads are done.
    bool failed() const { return failed_; }

private:
    // Hands the blocks that are ready to the sink, in order, without the lock
    // while writing.
    void WriteReadyBlocks(std::unique_lock<std::mutex>& lock)
    {
        writing_ = true;
        while (!failed_ && nextToWrite_ < blockCount_ && BufferOf(nextToWrite_).ready) {
            BlockBuffer& buffer = BufferOf(nextToWrite_);
            lock.unlock();
            const bool written = sink_(std::string_view(buffer.bytes.get(), buffer.size));
            lock.lock();
            buffer.ready = false;
            ++nextToWrite_;
            failed_ = !written;
            slotFree_.notify_all();
        }
        writing_ = false;
    }

    BlockBuffer& BufferOf(std::uint64_t block) { return buffers_[block % buffers_.size()]; }

    std::size_t FormatBlock(std::uint64_t block, char* out) const
    {
        const auto first = static_cast<std::uint32_t>(block * entriesPerBlock_);
        const std::uint32_t entries = std::min(entriesPerBlock_, count_ - first);
        return FormatEntryBlock(seed_, first, entries, out);
    }

    const std::uint32_t seed_;
    const std::uint32_t count_;
    const std::uint32_t entriesPerBlock_;
    const std::uint64_t blockCount_;
    std::vector<BlockBuffer> buffers_;
    const BlockSink& sink_;

    std::mutex mutex_;
    std::condition_variable slotFree_; // threads wait for a buffer to format into
    std::uint64_t nextToTake_ = 0;
    std::uint64_t nextToWrite_ = 0;
    bool writing_ = false; // a thread is handing blocks to the sink
    bool failed_ = false;
};

} // namespace

PipelineShape DefaultPipelineShape()
{
    PipelineShape shape;
    shape.threads = std::clamp(std::thread::hardware_concurrency(), 1u, MAX_THREADS);
    return shape;
}

bool WriteEntries(std::uint32_t seed, std::uint32_t count, const BlockSink& sink, const PipelineShape& shape)
{
    if (count == 0 || shape.entriesPerBlock == 0) {
        return true;
    }
    BlockRing ring(seed, count, shape, sink);
    {
        std::vector<std::jthread> helpers;
        for (unsigned k = 1; k < shape.threads; ++k) {
            try {
                helpers.emplace_back([&ring] { ring.Run(); });
            } catch (const std::system_error&) {
                break; // carry on with the threads there are
            }
        }
        ring.Run();
    }
    return !ring.failed();
}

} // namespace tabseed
