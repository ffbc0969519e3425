// talvexcfg resave against places it cannot write: every fault gives exit 3,
// one line on stderr naming the output and the reason, nothing on stdout,
// and leaves the earlier output file byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

namespace fs = std::filesystem;
using testing::PatternBytes;
using testing::ProgramPath;
using testing::ProgramResult;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

struct RunOptions {
    rlim_t fileSizeLimit = RLIM_INFINITY;  // stands in for a full disk
    bool unprivileged = false;             // as root: through setpriv as nobody
};

bool SetprivAvailable()
{
    return std::system("setpriv --version >/dev/null 2>&1") == 0;
}

// Whether the read-only cases can run: unprivileged already, or root with
// setpriv to become nobody.
bool CanRunUnprivileged() { return ::geteuid() != 0 || SetprivAvailable(); }

ProgramResult RunResave(const std::vector<std::string>& files, const RunOptions& options = {})
{
    TempDir capture;
    std::vector<std::string> argv;
    if (options.unprivileged && ::geteuid() == 0)
        argv = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    argv.push_back(ProgramPath("talvexcfg"));
    argv.push_back("resave");
    argv.insert(argv.end(), files.begin(), files.end());

    const pid_t child = ::fork();
    if (child == 0) {
        const int in = ::open("/dev/null", O_RDONLY);
        const int out = ::open(capture.file("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(capture.file("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0
            || ::dup2(err, 2) < 0)
            ::_exit(126);
        if (options.fileSizeLimit != RLIM_INFINITY) {
            // A real full disk fails the write without a signal.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{options.fileSizeLimit, options.fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::vector<char*> args;
        for (std::string& arg : argv)
            args.push_back(arg.data());
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    ProgramResult run;
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    const auto out = ReadBytes(capture.file("out"));
    const auto err = ReadBytes(capture.file("err"));
    run.out.assign(out.begin(), out.end());
    run.err.assign(err.begin(), err.end());
    return run;
}

void ExpectWriteFailure(const ProgramResult& run, const std::string& output,
                        const std::string& reason)
{
    EXPECT_EQ(run.status, 3) << output << "\n" << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "talvexcfg: cannot write " + output + ": " + reason + "\n");
}

class ResaveFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::permissions(dir_.path(), fs::perms::owner_all | fs::perms::group_exec
                                         | fs::perms::others_exec);
        WriteBytes(input_, PatternBytes(32768, 21));
        WriteBytes(dir_.file("earlier.cfg"), earlier_);
        WriteBytes(dir_.file("plain"), earlier_);
        fs::create_directory(dir_.file("adir"));
    }

    std::string Earlier() const { return dir_.file("earlier.cfg"); }

    TempDir dir_;
    std::string input_ = dir_.file("in.cfg");
    std::vector<std::uint8_t> earlier_ = PatternBytes(30000, 8);
};

TEST_F(ResaveFaults, UnreachableTargetsAndLinksToThemExitThreeWithTheReason)
{
    fs::create_symlink("adir", dir_.file("link-to-dir"));
    fs::create_symlink("missing/x.cfg", dir_.file("link-to-missing-dir"));
    fs::create_symlink("plain/x.cfg", dir_.file("link-through-file"));
    fs::create_symlink("loop-b", dir_.file("loop-a"));
    fs::create_symlink("loop-a", dir_.file("loop-b"));

    struct Case {
        std::string output;
        std::string reason;
    };
    const Case cases[] = {
        {dir_.file("missing/x.cfg"), "No such file or directory"},
        {dir_.file("plain/x.cfg"), "Not a directory"},
        {dir_.file("link-to-dir"), "Is a directory"},
        {dir_.file("link-to-missing-dir"), "No such file or directory"},
        {dir_.file("link-through-file"), "Not a directory"},
        {dir_.file("loop-a"), "Too many levels of symbolic links"},
    };
    for (const Case& c : cases)
        ExpectWriteFailure(RunResave({input_, c.output}), c.output, c.reason);
    EXPECT_EQ(ReadBytes(dir_.file("plain")), earlier_);
    EXPECT_TRUE(fs::is_empty(dir_.file("adir")));
    EXPECT_FALSE(fs::exists(dir_.file("missing")));
}

TEST_F(ResaveFaults, AFullDiskExitsThreeAndLeavesTheEarlierFileDirectOrThroughALink)
{
    fs::create_symlink("earlier.cfg", dir_.file("link.cfg"));
    for (const std::string& output : {Earlier(), dir_.file("link.cfg")}) {
        const ProgramResult run = RunResave({input_, output}, {.fileSizeLimit = 8192});
        ExpectWriteFailure(run, output, "File too large");
        EXPECT_EQ(ReadBytes(Earlier()), earlier_) << output;
    }
    EXPECT_TRUE(fs::is_symlink(dir_.file("link.cfg")));
    // Nothing but the test's own files is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 5);
}

TEST_F(ResaveFaults, AReadOnlyDirectoryRefusesANewFileAndAReadOnlyFile)
{
    if (!CanRunUnprivileged())
        GTEST_SKIP() << "running as root without setpriv";
    const std::string locked = dir_.file("locked");
    fs::create_directory(locked);
    WriteBytes(locked + "/readonly.cfg", earlier_);
    ::chmod((locked + "/readonly.cfg").c_str(), 0444);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(locked.c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chown((locked + "/readonly.cfg").c_str(), 65534, 65534), 0);
    }
    ::chmod(locked.c_str(), 0555);

    for (const std::string& output : {locked + "/new.cfg", locked + "/readonly.cfg"})
        ExpectWriteFailure(RunResave({input_, output}, {.unprivileged = true}), output,
                           "Permission denied");
    ::chmod(locked.c_str(), 0755);
    EXPECT_FALSE(fs::exists(locked + "/new.cfg"));
    EXPECT_EQ(ReadBytes(locked + "/readonly.cfg"), earlier_);
}

} // namespace
} // namespace talvex
