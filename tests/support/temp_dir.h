#pragma once
// A fresh directory for a test, removed with everything in it at the end.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace talvex::testing {

class TempDir {
public:
    TempDir()
    {
        std::random_device noise;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        do
            path_ = base / ("talvex-test-" + std::to_string(noise()));
        while (!std::filesystem::create_directory(path_));
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The little-endian number of `width` bytes at `at`, read straight from the
// file's bytes (the tests' own reading, independent of the record types).
inline std::uint32_t FileWord(const std::vector<std::uint8_t>& file, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = 0; i < width; ++i)
        value |= static_cast<std::uint32_t>(file[at + static_cast<std::size_t>(i)]) << (8 * i);
    return value;
}

// Bytes that differ from position to position, so misplaced copies show.
inline std::vector<std::uint8_t> PatternBytes(std::size_t length, std::uint32_t seed = 1)
{
    std::vector<std::uint8_t> bytes(length);
    std::uint32_t state = seed;
    for (auto& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<std::uint8_t>(state >> 16);
    }
    return bytes;
}

} // namespace talvex::testing
