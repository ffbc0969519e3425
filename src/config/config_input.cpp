#include "config/config_input.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>

#include "config/number_texts.h"
#include "config/text_recognition.h"

namespace talvex {

namespace {

constexpr std::size_t CHUNK_SIZE = 65536;

// The reads of one input into its bytes, and the bounds a text keeps.
class Reading {
public:
    Reading(const ChunkRead& read, ConfigInput& input) : read_(read), input_(input) {}

    // Reads until the bytes number `limit` or the input ends; false when a
    // read failed.
    bool upTo(std::size_t limit)
    {
        std::vector<std::uint8_t>& bytes = input_.bytes;
        while (!ended_ && bytes.size() < limit) {
            const std::size_t had = bytes.size();
            bytes.resize(std::min(limit, had + CHUNK_SIZE));
            errno = 0;
            const std::ptrdiff_t got = read_(bytes.data() + had, bytes.size() - had);
            const int error = errno;
            bytes.resize(had + static_cast<std::size_t>(std::max<std::ptrdiff_t>(got, 0)));
            if (got < 0 && error == EINTR)
                continue;
            if (got < 0) {
                const std::string after = had == 0 ? "" : " after " + DecimalText(had) + " bytes";
                const std::string why = error == 0 ? "" : std::string(": ") + std::strerror(error);
                input_.failure = Failure{"cannot read it" + after + why};
                return false;
            }
            ended_ = got == 0;
        }
        return true;
    }

    // The rest of a text, each line checked as it comes: false at a failed
    // read or a bound passed.
    bool restOfText()
    {
        while (linesFit() && upTo(std::min(input_.bytes.size() + CHUNK_SIZE, TEXT_SIZE_CAP + 1))) {
            if (input_.bytes.size() > TEXT_SIZE_CAP) {
                input_.failure = Failure{"it is longer than " + DecimalText(TEXT_SIZE_CAP)
                                         + " bytes (16 MiB), the most a configuration text "
                                           "may have"};
                return false;
            }
            if (ended_)
                return linesFit();
        }
        return false;
    }

private:
    // Whether every line so far is within TEXT_LINE_CAP characters; a CR
    // ends a line here too, so that a text with CR alone at its line ends
    // is read to be named as such.
    bool linesFit()
    {
        for (; checked_ < input_.bytes.size(); ++checked_) {
            const std::uint8_t byte = input_.bytes[checked_];
            if (byte == '\n' || byte == '\r') {
                line_ += byte == '\n' ? 1 : 0;
                length_ = 0;
            } else if (++length_ > TEXT_LINE_CAP) {
                input_.failure = Failure{"the line is longer than " + DecimalText(TEXT_LINE_CAP)
                                             + " characters, the most a line may have",
                                         line_, static_cast<int>(length_)};
                return false;
            }
        }
        return true;
    }

    const ChunkRead& read_;
    ConfigInput& input_;
    bool ended_ = false;
    std::size_t checked_ = 0;
    int line_ = 1;
    std::size_t length_ = 0;
};

} // namespace

ConfigInput ReadConfigInput(const ChunkRead& read, InputKind kind)
{
    ConfigInput input;
    Reading reading(read, input);
    if (!reading.upTo(FULL_FILE_SIZE) || kind == InputKind::File)
        return input;
    input.text = kind == InputKind::Text || IsConfigText(input.bytes);
    if (input.text)
        reading.restOfText();
    return input;
}

ConfigInput ReadConfigFile(const std::string& fileName, InputKind kind, FileRead read)
{
    Failure failure;
    const int fd = OpenForLoading(fileName, failure);
    if (fd < 0) {
        ConfigInput input;
        input.failure = std::move(failure);
        return input;
    }
    ConfigInput input = ReadConfigInput(
        [fd, read](std::uint8_t* buffer, std::size_t count) { return read(fd, buffer, count); },
        kind);
    CloseFile(fd);
    return input;
}

ConfigInput ReadConfigStream(std::istream& in, InputKind kind)
{
    return ReadConfigInput(
        [&in](std::uint8_t* buffer, std::size_t count) -> std::ptrdiff_t {
            // A failing read of the stream's buffer sets badbit; read()
            // catches what the buffer throws.
            in.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(count));
            if (in.bad()) {
                errno = 0;
                return -1;
            }
            return static_cast<std::ptrdiff_t>(in.gcount());
        },
        kind);
}

bool LoadConfigInput(ConfigImage& image, const ConfigInput& input, Failure* failure)
{
    const bool loaded = LoadConfigBytes(image, input.bytes, failure);
    if (!input.failure)
        return loaded;
    // What was read stays in the tables, but a file that could not be read
    // to its end is no file of any generation.
    image.masksBlockAbsent = true;
    image.priQBlockAbsent = true;
    if (failure != nullptr)
        *failure = *input.failure;
    return false;
}

} // namespace talvex
