#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tabseed {

// One place the program writes to: a file it opened (and closes) or
// standard output (flushed only). The first write, flush or close that
// fails is reported once on the error stream, and everything after it is
// skipped.
class OutputChannel {
public:
    // Opens `fileName` for appending without line-end translation; returns
    // nothing-open (isOpen() false) when that fails.
    static OutputChannel openForAppend(const std::string& fileName, std::FILE* errors);
    static OutputChannel standardOutput(std::FILE* stream, std::FILE* errors);

    OutputChannel(OutputChannel&& other) noexcept;
    OutputChannel& operator=(OutputChannel&&) = delete;
    OutputChannel(const OutputChannel&) = delete;
    OutputChannel& operator=(const OutputChannel&) = delete;
    ~OutputChannel();

    bool isOpen() const { return stream_ != nullptr; }
    bool failed() const { return failed_; }
    const std::string& name() const { return name_; }

    bool write(std::string_view bytes);
    bool flush();
    // Writes what is buffered and, for an opened file, closes it.
    bool close();

private:
    OutputChannel(std::FILE* stream, std::string name, bool owned, std::FILE* errors);
    bool fail();

    std::FILE* stream_;
    std::string name_;
    bool owned_;
    std::FILE* errors_;
    bool failed_ = false;
};

} // namespace tabseed
