// Saves that cannot succeed, reached through symbolic links, a full disk and
// read-only directories: each must leave the earlier file byte for byte and
// say why. The read-only cases need an unprivileged process; as root the
// test drops to the nobody user in a child, and is skipped where it cannot.
#include "config/config_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

namespace talvex {
namespace {

namespace fs = std::filesystem;
using testing::PatternBytes;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

constexpr uid_t NOBODY = 65534;
constexpr int CHILD_CANNOT_DROP = 77;

std::unique_ptr<ConfigImage> NewImage()
{
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    return image;
}

std::size_t EntriesIn(const fs::path& dir)
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

struct ChildSave {
    bool ran = false;      // false: the child could not become unprivileged
    bool saved = false;
    std::string reason;
};

// Saves in a child process, optionally as the nobody user and under a file
// size limit (which stands in for a full disk), and brings back the result.
ChildSave SaveInChild(const ConfigImage& image, const std::string& target, bool unprivileged,
                      rlim_t fileSizeLimit = RLIM_INFINITY)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (unprivileged && ::geteuid() == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setresgid(NOBODY, NOBODY, NOBODY) != 0
                || ::setresuid(NOBODY, NOBODY, NOBODY) != 0)
                ::_exit(CHILD_CANNOT_DROP);
        }
        if (fileSizeLimit != RLIM_INFINITY) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{fileSizeLimit, fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        Failure failure;
        const bool saved = SaveConfig(image, target, &failure);
        [[maybe_unused]] const auto written =
            ::write(pipeFds[1], failure.reason.data(), failure.reason.size());
        ::_exit(saved ? 0 : 1);
    }
    ::close(pipeFds[1]);
    ChildSave result;
    char buffer[256];
    ssize_t n = 0;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        result.reason.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return result;
    if (WEXITSTATUS(status) == CHILD_CANNOT_DROP)
        return result;
    result.ran = true;
    result.saved = WEXITSTATUS(status) == 0;
    return result;
}

TEST(SaveFaults, LinksToUnwritablePlacesFailAndLeaveTheOldFile)
{
    TempDir dir;
    auto image = NewImage();
    const auto old = PatternBytes(3000, 5);
    WriteBytes(dir.file("plain"), old);
    fs::create_directory(dir.file("adir"));
    fs::create_symlink("plain/x.cfg", dir.file("link-through-file"));
    fs::create_symlink("adir", dir.file("link-to-dir"));
    fs::create_symlink("link-to-dir", dir.file("link-to-link-to-dir"));
    fs::create_symlink("loop-b", dir.file("loop-a"));
    fs::create_symlink("loop-a", dir.file("loop-b"));

    struct Case {
        const char* link;
        const char* reason;
    };
    for (const Case& c : {Case{"link-through-file", "Not a directory"},
                          Case{"link-to-link-to-dir", "Is a directory"},
                          Case{"loop-a", "Too many levels of symbolic links"}}) {
        Failure failure;
        EXPECT_FALSE(SaveConfig(*image, dir.file(c.link), &failure)) << c.link;
        EXPECT_NE(failure.reason.find(c.reason), std::string::npos)
            << c.link << ": " << failure.reason;
        EXPECT_TRUE(fs::is_symlink(dir.file(c.link))) << c.link;
    }
    EXPECT_EQ(ReadBytes(dir.file("plain")), old);
    EXPECT_TRUE(fs::is_empty(dir.file("adir")));
    EXPECT_EQ(EntriesIn(dir.path()), 7u);
}

// Devices are refused the same way; the test keeps to a FIFO of its own so
// that a regression could never replace a node under /dev.
TEST(SaveFaults, AFifoIsNeverReplacedByAFile)
{
    TempDir dir;
    auto image = NewImage();
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink("fifo", dir.file("link-to-fifo"));
    for (const char* target : {"fifo", "link-to-fifo"}) {
        Failure failure;
        EXPECT_FALSE(SaveConfig(*image, dir.file(target), &failure)) << target;
        EXPECT_EQ(failure.reason, "not a regular file") << target;
    }
    EXPECT_TRUE(fs::is_fifo(dir.file("fifo")));
    EXPECT_EQ(EntriesIn(dir.path()), 2u);
}

TEST(SaveFaults, AFullDiskBehindALinkLeavesTheLinkedFileAndNoTemporaryFile)
{
    TempDir dir;
    fs::create_directory(dir.file("real"));
    const auto old = PatternBytes(2000, 9);
    WriteBytes(dir.file("real/old.cfg"), old);
    fs::create_symlink("real/old.cfg", dir.file("link.cfg"));
    auto image = NewImage();

    const ChildSave result = SaveInChild(*image, dir.file("link.cfg"), false, 4096);
    ASSERT_TRUE(result.ran);
    EXPECT_FALSE(result.saved);
    EXPECT_NE(result.reason.find("File too large"), std::string::npos) << result.reason;
    EXPECT_EQ(ReadBytes(dir.file("real/old.cfg")), old);
    EXPECT_TRUE(fs::is_symlink(dir.file("link.cfg")));
    EXPECT_EQ(EntriesIn(dir.file("real")), 1u);
}

// A directory the unprivileged user owns but may not write, holding the
// files the cases need, reachable through the test's own directory.
class ReadOnlyDirectory : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::permissions(dir_.path(), fs::perms::owner_all | fs::perms::others_exec
                                         | fs::perms::group_exec);
        locked_ = dir_.file("locked");
        fs::create_directory(locked_);
        WriteBytes(locked_ + "/writable.cfg", old_);
        WriteBytes(locked_ + "/readonly.cfg", old_);
        ::chmod((locked_ + "/writable.cfg").c_str(), 0644);
        ::chmod((locked_ + "/readonly.cfg").c_str(), 0444);
        if (::geteuid() == 0) {
            for (const char* name : {"", "/writable.cfg", "/readonly.cfg"})
                ASSERT_EQ(::chown((locked_ + name).c_str(), NOBODY, NOBODY), 0);
        }
        ::chmod(locked_.c_str(), 0555);
    }
    void TearDown() override { ::chmod(locked_.c_str(), 0755); }

    ChildSave Save(const std::string& name, rlim_t limit = RLIM_INFINITY)
    {
        return SaveInChild(*image_, locked_ + "/" + name, true, limit);
    }

    TempDir dir_;
    std::string locked_;
    std::vector<std::uint8_t> old_ = PatternBytes(40000, 3);
    std::unique_ptr<ConfigImage> image_ = NewImage();
};

TEST_F(ReadOnlyDirectory, RefusesANewFileAndAReadOnlyFile)
{
    for (const char* name : {"new.cfg", "readonly.cfg"}) {
        const ChildSave result = Save(name);
        if (!result.ran)
            GTEST_SKIP() << "cannot run the save as an unprivileged user here";
        EXPECT_FALSE(result.saved) << name;
        EXPECT_NE(result.reason.find("Permission denied"), std::string::npos)
            << name << ": " << result.reason;
    }
    EXPECT_FALSE(fs::exists(locked_ + "/new.cfg"));
    EXPECT_EQ(ReadBytes(locked_ + "/readonly.cfg"), old_);
    EXPECT_EQ(EntriesIn(locked_), 2u);
}

TEST_F(ReadOnlyDirectory, RewritesAWritableFileInPlace)
{
    const ChildSave result = Save("writable.cfg");
    if (!result.ran)
        GTEST_SKIP() << "cannot run the save as an unprivileged user here";
    EXPECT_TRUE(result.saved) << result.reason;
    EXPECT_EQ(ReadBytes(locked_ + "/writable.cfg"), ConfigFileBytes(*image_));
    EXPECT_EQ(EntriesIn(locked_), 2u);
}

// The in-place rewrite must not truncate the old file before it knows the
// new content fits.
TEST_F(ReadOnlyDirectory, AFullDiskDuringAnInPlaceRewriteLeavesTheOldFile)
{
    for (rlim_t limit : {rlim_t{4096}, rlim_t{32767}}) {
        const ChildSave result = Save("writable.cfg", limit);
        if (!result.ran)
            GTEST_SKIP() << "cannot run the save as an unprivileged user here";
        EXPECT_FALSE(result.saved) << limit;
        EXPECT_NE(result.reason.find("File too large"), std::string::npos) << result.reason;
        EXPECT_EQ(ReadBytes(locked_ + "/writable.cfg"), old_) << limit;
    }
}

} // namespace
} // namespace talvex
