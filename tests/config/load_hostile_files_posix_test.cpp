// Names that are no configuration file at all must make the load fail
// quickly, never hang the program.
#include "config/config_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::TempDir;

// Loads in a child that an alarm ends after a few seconds; the exit status
// says whether the load returned false (0), returned true (1) or never
// returned (-1).
int LoadInChildWithin(const std::string& name, unsigned seconds)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(seconds);
        auto image = std::make_unique<ConfigImage>();
        ResetTables(*image);
        Failure failure;
        const bool loaded = LoadConfig(*image, name, &failure);
        ::_exit(loaded ? 1 : (failure.reason.empty() ? 2 : 0));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

TEST(LoadHostileFiles, AFifoWithoutWriterFailsInsteadOfWaiting)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.file("fifo.cfg").c_str(), 0600), 0);
    EXPECT_EQ(LoadInChildWithin(dir.file("fifo.cfg"), 5), 0);
}

TEST(LoadHostileFiles, ADeviceIsNoConfigurationFile)
{
    // /dev/zero would give a file of the newest generation full of zeros.
    EXPECT_EQ(LoadInChildWithin("/dev/zero", 5), 0);
}

// The system's read, failing with EIO from file position 25000 on.
ssize_t ReadFailingAt25000(int fd, void* buffer, std::size_t count)
{
    const off_t at = ::lseek(fd, 0, SEEK_CUR);
    errno = EIO;
    return at >= 25000 ? -1 : ::read(fd, buffer, std::min<std::size_t>(count, 25000 - at));
}

TEST(LoadHostileFiles, AReadErrorPartWayFailsTheLoadInsteadOfShorteningTheFile)
{
    TempDir dir;
    testing::WriteBytes(dir.file("full.cfg"), std::vector<std::uint8_t>(FULL_FILE_SIZE, 1));
    auto image = std::make_unique<ConfigImage>();
    Failure failure;
    EXPECT_FALSE(LoadConfig(*image, dir.file("full.cfg"), &failure, ReadFailingAt25000));
    EXPECT_TRUE(image->masksBlockAbsent && image->priQBlockAbsent);
    EXPECT_EQ(failure.reason,
              "cannot read it after 25000 bytes: " + std::string(std::strerror(EIO)));
}

} // namespace
} // namespace talvex
