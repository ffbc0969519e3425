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

constexpr unsigned kMaxWorkers = 4;

struct BlockBuffer {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    bool ready = false; // formatted and not yet written
};

// A ring of block buffers between the workers and the writer. Workers take
// blocks in order and may run ahead of the writer by as many blocks as the
// ring holds; the writer takes them back in order.
class BlockRing {
public:
    BlockRing(std::uint32_t seed, std::uint32_t count, const PipelineShape& shape, unsigned workers)
        : seed_(seed), count_(count), entriesPerBlock_(shape.entriesPerBlock),
          blockCount_((static_cast<std::uint64_t>(count) + shape.entriesPerBlock - 1) / shape.entriesPerBlock),
          buffers_(std::max(1u, workers * std::max(1u, shape.slotsPerWorker)))
    {
        for (BlockBuffer& buffer : buffers_) {
            buffer.bytes = std::make_unique_for_overwrite<char[]>(MaxBlockBytes(entriesPerBlock_));
        }
    }

    // Work of one worker thread: format blocks until all are taken or the
    // writer gave up.
    void FormatBlocks()
    {
        std::unique_lock lock(mutex_);
        while (!cancelled_ && nextToFormat_ < blockCount_) {
            const std::uint64_t block = nextToFormat_++;
            slotFree_.wait(lock, [&] { return cancelled_ || block < nextToWrite_ + buffers_.size(); });
            if (cancelled_) {
                return;
            }
            BlockBuffer& buffer = BufferOf(block);
            lock.unlock();
            const std::size_t size = FormatBlock(block, buffer.bytes.get());
            lock.lock();
            buffer.size = size;
            buffer.ready = true;
            blockReady_.notify_one();
        }
    }

    // Work of the calling thread: hand the blocks to the sink in order.
    bool WriteBlocks(const BlockSink& sink)
    {
        for (std::uint64_t block = 0; block < blockCount_; ++block) {
            BlockBuffer& buffer = BufferOf(block);
            {
                std::unique_lock lock(mutex_);
                blockReady_.wait(lock, [&] { return buffer.ready; });
            }
            const bool written = sink(std::string_view(buffer.bytes.get(), buffer.size));
            {
                const std::lock_guard lock(mutex_);
                buffer.ready = false;
                nextToWrite_ = block + 1;
                cancelled_ = !written;
            }
            slotFree_.notify_all();
            if (!written) {
                return false;
            }
        }
        return true;
    }

    // Without workers: format and write each block in turn.
    bool FormatAndWriteBlocks(const BlockSink& sink)
    {
        BlockBuffer& buffer = buffers_.front();
        for (std::uint64_t block = 0; block < blockCount_; ++block) {
            const std::size_t size = FormatBlock(block, buffer.bytes.get());
            if (!sink(std::string_view(buffer.bytes.get(), size))) {
                return false;
            }
        }
        return true;
    }

private:
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

    std::mutex mutex_;
    std::condition_variable blockReady_; // the writer waits for its next block
    std::condition_variable slotFree_;   // workers wait for a buffer to format into
    std::uint64_t nextToFormat_ = 0;
    std::uint64_t nextToWrite_ = 0;
    bool cancelled_ = false;
};

} // namespace

PipelineShape DefaultPipelineShape()
{
    PipelineShape shape;
    shape.workers = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxWorkers);
    return shape;
}

bool WriteEntries(std::uint32_t seed, std::uint32_t count, const BlockSink& sink, const PipelineShape& shape)
{
    if (count == 0 || shape.entriesPerBlock == 0) {
        return true;
    }
    BlockRing ring(seed, count, shape, shape.workers);
    if (shape.workers == 0) {
        return ring.FormatAndWriteBlocks(sink);
    }
    std::vector<std::jthread> workers;
    for (unsigned k = 0; k < shape.workers; ++k) {
        try {
            workers.emplace_back([&ring] { ring.FormatBlocks(); });
        } catch (const std::system_error&) {
            break; // carry on with the threads there are
        }
    }
    if (workers.empty()) {
        return ring.FormatAndWriteBlocks(sink);
    }
    return ring.WriteBlocks(sink);
}

} // namespace tabseed
