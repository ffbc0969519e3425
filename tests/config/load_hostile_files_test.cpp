// Names that are no configuration file at all must make the load fail
// quickly, never hang the program.
#include "config/config_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
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
        std::string reason;
        const bool loaded = LoadConfig(*image, name, &reason);
        ::_exit(loaded ? 1 : (reason.empty() ? 2 : 0));
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

TEST(LoadHostileFiles, AnEndlessDeviceReadsOnlyWhatAFileCanHold)
{
    // /dev/zero never ends; the load takes what a file of the newest
    // generation holds and succeeds.
    EXPECT_EQ(LoadInChildWithin("/dev/zero", 5), 1);
}

} // namespace
} // namespace talvex
