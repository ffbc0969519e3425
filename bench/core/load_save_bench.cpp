// Loading a full file and saving the image, each beside the plain file
// operation it cannot beat.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

#include "bench_registration.h"
#include "config/config_file.h"
#include "support/bench_images.h"
#include "support/scratch_dir.h"

namespace talvex::bench {
namespace {

// A full file of the worst case, followed by `trailing` bytes the load ignores.
std::string WriteWorstCaseFile(const ScratchDir& dir, std::size_t trailing)
{
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    auto bytes = ConfigFileBytes(*image);
    bytes.resize(bytes.size() + trailing, 0x5A);
    const std::string path = dir.file("in.cfg");
    if (!WriteFileBytes(path, bytes))
        std::perror(path.c_str());
    return path;
}

// Yardstick: open the file, read its 32768 bytes into a buffer, close it.
void BM_Yardstick_ReadFile(benchmark::State& state)
{
    ScratchDir dir;
    const std::string path = WriteWorstCaseFile(dir, 0);
    std::vector<std::uint8_t> buffer(FULL_FILE_SIZE);
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        std::size_t got = 0;
        while (got < buffer.size()) {
            const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        ::close(fd);
        benchmark::DoNotOptimize(buffer.data());
    }
}
TALVEX_BENCHMARK(BM_Yardstick_ReadFile);

// LoadConfig and ClearRuntimeFields of a full 32768-byte file; the argument
// is the count of bytes after the last block, which must not cost anything.
void BM_LoadConfig_ClearRuntimeFields(benchmark::State& state)
{
    ScratchDir dir;
    const std::string path = WriteWorstCaseFile(dir, static_cast<std::size_t>(state.range(0)));
    auto image = std::make_unique<ConfigImage>();
    for (auto _ : state) {
        if (!LoadConfig(*image, path))
            state.SkipWithError("the file did not load");
        ClearRuntimeFields(*image);
        benchmark::DoNotOptimize(image.get());
    }
}
TALVEX_BENCHMARK(BM_LoadConfig_ClearRuntimeFields)->Arg(0)->Arg(8 << 20);

// Yardstick: the same bytes written the way a careful save writes them: a new
// file beside the target, write, fsync, close, rename over the target.
void BM_Yardstick_WriteFileDurably(benchmark::State& state)
{
    ScratchDir dir;
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    const auto bytes = ConfigFileBytes(*image);
    const std::string target = dir.file("out.cfg");
    const std::string temporary = dir.file("out.cfg.new");
    for (auto _ : state) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())
            || ::fsync(fd) != 0) {
            state.SkipWithError("cannot write the scratch file");
        }
        ::close(fd);
        ::rename(temporary.c_str(), target.c_str());
    }
}
TALVEX_BENCHMARK(BM_Yardstick_WriteFileDurably)->UseRealTime();

// SaveConfig of the full worst-case image over an existing file.
void BM_SaveConfig(benchmark::State& state)
{
    ScratchDir dir;
    auto image = std::make_unique<ConfigImage>();
    FillWorstCaseImage(*image);
    const std::string target = dir.file("out.cfg");
    for (auto _ : state) {
        if (!SaveConfig(*image, target))
            state.SkipWithError("SaveConfig failed");
    }
}
TALVEX_BENCHMARK(BM_SaveConfig)->UseRealTime();

} // namespace
} // namespace talvex::bench
