#include "tabseed/output_channel.h"

#include "tabseed/messages.h"

#include <utility>

namespace tabseed {

OutputChannel::OutputChannel(std::FILE* stream, std::string name, bool owned, std::FILE* errors)
    : stream_(stream), name_(std::move(name)), owned_(owned), errors_(errors)
{
    if (stream_ != nullptr) {
        // Everything comes in large blocks already: without a buffer of the
        // stream's own, each block is one write.
        std::setvbuf(stream_, nullptr, _IONBF, 0);
    }
}

OutputChannel OutputChannel::OpenForAppend(const std::string& fileName, std::FILE* errors)
{
    return OutputChannel(std::fopen(fileName.c_str(), "ab+"), fileName, true, errors);
}

OutputChannel OutputChannel::StandardOutput(std::FILE* stream, std::FILE* errors)
{
    return OutputChannel(stream, std::string(messages::kStandardOutputName), false, errors);
}

OutputChannel::OutputChannel(OutputChannel&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)), name_(std::move(other.name_)), owned_(other.owned_),
      errors_(other.errors_), failed_(other.failed_)
{
}

OutputChannel::~OutputChannel()
{
    if (owned_ && stream_ != nullptr) {
        std::fclose(stream_);
    }
}

bool OutputChannel::Fail()
{
    if (!failed_) {
        failed_ = true;
        std::fputs(messages::CouldNotWrite(name_).c_str(), errors_);
    }
    return false;
}

bool OutputChannel::Write(std::string_view bytes)
{
    if (failed_ || stream_ == nullptr) {
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
        return Fail();
    }
    return true;
}

bool OutputChannel::Flush()
{
    if (failed_ || stream_ == nullptr) {
        return false;
    }
    if (std::fflush(stream_) != 0 || std::ferror(stream_)) {
        return Fail();
    }
    return true;
}

bool OutputChannel::Close()
{
    if (stream_ == nullptr) {
        return !failed_;
    }
    bool ok = !failed_;
    if (ok && (std::fflush(stream_) != 0 || std::ferror(stream_))) {
        ok = Fail();
    }
    if (owned_) {
        const bool closed = std::fclose(stream_) == 0;
        stream_ = nullptr;
        if (ok && !closed) {
            ok = Fail();
        }
    }
    return ok;
}

} // namespace tabseed
