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

OutputChannel OutputChannel::openForAppend(const std::string& fileName, std::FILE* errors)
{
    return OutputChannel(std::fopen(fileName.c_str(), "ab+"), fileName, true, errors);
}

OutputChannel OutputChannel::standardOutput(std::FILE* stream, std::FILE* errors)
{
    return OutputChannel(stream, std::string(messages::STANDARD_OUTPUT_NAME), false, errors);
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

bool OutputChannel::fail()
{
    if (!failed_) {
        failed_ = true;
        std::fputs(messages::CouldNotWrite(name_).c_str(), errors_);
    }
    return false;
}

bool OutputChannel::write(std::string_view bytes)
{
    if (failed_ || stream_ == nullptr) {
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), stream_) != bytes.size()) {
        return fail();
    }
    return true;
}

bool OutputChannel::flush()
{
    if (failed_ || stream_ == nullptr) {
        return false;
    }
    if (std::fflush(stream_) != 0 || std::ferror(stream_)) {
        return fail();
    }
    return true;
}

bool OutputChannel::close()
{
    if (stream_ == nullptr) {
        return !failed_;
    }
    bool ok = !failed_;
    if (ok && (std::fflush(stream_) != 0 || std::ferror(stream_))) {
        ok = fail();
    }
    if (owned_) {
        const bool closed = std::fclose(stream_) == 0;
        stream_ = nullptr;
        if (ok && !closed) {
            ok = fail();
        }
    }
    return ok;
}

} // namespace tabseed
