#pragma once
// Reading what names a configuration, a file or standard input, within
// bounds: a configuration file as far as a load uses it (FULL_FILE_SIZE
// bytes), a configuration text whole, but never beyond TEXT_SIZE_CAP bytes
// or a line longer than TEXT_LINE_CAP characters. No input, however large
// or endless, takes more memory than that.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "config/config_file.h"
#include "config/failure.h"
#include "config/file_access.h"

namespace talvex {

// A whole export is a few hundred KB, its longest line a few hundred
// characters.
constexpr std::size_t TEXT_SIZE_CAP = std::size_t{16} << 20; // 16 MiB
constexpr std::size_t TEXT_LINE_CAP = 4096;

enum class InputKind {
    File,   // a configuration file: a text too is read only as far as a file
    Either, // a configuration file or a text, whichever IsConfigText finds
    Text,   // a configuration text, whatever it looks like
};

struct ConfigInput {
    std::vector<std::uint8_t> bytes; // as far as they were read
    bool text = false;               // read as a text, to its end
    // Set when the input could not be opened or read to its end, or passed a
    // bound; `bytes` then holds what came before.
    std::optional<Failure> failure;
};

// One read of up to `count` bytes: how many came, 0 at the end, or -1 with
// the reason in errno (0 where there is none to tell).
using ChunkRead = std::function<std::ptrdiff_t(std::uint8_t* buffer, std::size_t count)>;

ConfigInput ReadConfigInput(const ChunkRead& read, InputKind kind);
// The file opened as a load opens it (OpenForLoading) and read with `read`.
ConfigInput ReadConfigFile(const std::string& fileName, InputKind kind,
                           FileRead read = ReadFromFile);
// A stream, standard input: a stream that goes bad could not be read.
ConfigInput ReadConfigStream(std::istream& in, InputKind kind);

// LoadConfig's work on an input read as a configuration file: its bytes
// loaded (LoadConfigBytes), and a failure to open or read it to its end
// failing the load with both blocks absent, what was read kept.
bool LoadConfigInput(ConfigImage& image, const ConfigInput& input, Failure* failure);

} // namespace talvex
