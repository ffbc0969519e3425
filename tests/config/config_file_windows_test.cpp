// What loading and saving meet on Windows only: device names in any folder,
// backslashes, the read-only mark, a target another program holds open and
// a name outside the ANSI code page.
#include "config/config_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <windows.h>

#include "config/atomic_file_write.h"
#include "config/file_access.h"
#include "support/fresh_image.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

namespace fs = std::filesystem;
using testing::FreshImage;
using testing::PatternBytes;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

std::size_t EntriesIn(const fs::path& dir)
{
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

TEST(WindowsFiles, DeviceNamesAreNeitherLoadedNorReplaced)
{
    TempDir dir;
    auto image = FreshImage();
    Failure failure;
    for (const std::string& name : {std::string("NUL"), std::string("COM1"), dir.file("nul.cfg")}) {
        EXPECT_FALSE(LoadConfig(*image, name, &failure)) << name;
        EXPECT_EQ(failure.reason, DEVICE_REASON) << name;
    }
    for (const std::string& name : {std::string("NUL"), dir.file("con.cfg"), dir.file("Aux")}) {
        EXPECT_FALSE(SaveConfig(*image, name, &failure)) << name;
        EXPECT_EQ(failure.reason, "not a regular file") << name;
    }
    EXPECT_EQ(EntriesIn(dir.path()), 0u);
}

TEST(WindowsFiles, ReplacesAFileThroughBackslashesAndKeepsItsMarks)
{
    TempDir dir;
    fs::create_directory(dir.file("sub"));
    const std::string target = dir.path().string() + "\\sub\\old.cfg";
    WriteBytes(target, PatternBytes(40000));
    ASSERT_TRUE(::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN));
    auto image = FreshImage();
    Failure failure;
    ASSERT_TRUE(SaveConfig(*image, target, &failure)) << failure.reason;
    EXPECT_EQ(ReadBytes(target), ConfigFileBytes(*image));
    EXPECT_NE(::GetFileAttributesA(target.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(EntriesIn(dir.file("sub")), 1u);
}

TEST(WindowsFiles, AReadOnlyTargetIsRefusedAndKept)
{
    TempDir dir;
    const std::string target = dir.file("readonly.cfg");
    WriteBytes(target, PatternBytes(100));
    ASSERT_TRUE(::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY));
    Failure failure;
    EXPECT_FALSE(SaveConfig(*FreshImage(), target, &failure));
    EXPECT_EQ(failure.reason, "Permission denied");
    EXPECT_EQ(ReadBytes(target), PatternBytes(100));
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
    ::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Held open for good, the save gives up and says so; let go within the
// retries, the save goes through.
TEST(WindowsFiles, ATargetHeldOpenIsTriedAgainThenRefused)
{
    TempDir dir;
    const std::string target = dir.file("held.cfg");
    WriteBytes(target, PatternBytes(100));
    const auto hold = [&target] {
        return ::CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_EXISTING, 0, nullptr);
    };
    auto image = FreshImage();
    Failure failure;
    HANDLE held = hold();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SaveConfig(*image, target, &failure));
    EXPECT_EQ(failure.reason, TARGET_IN_USE_REASON);
    ::CloseHandle(held);
    EXPECT_EQ(ReadBytes(target), PatternBytes(100));
    EXPECT_EQ(EntriesIn(dir.path()), 1u);

    held = hold();
    std::thread letGo([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::CloseHandle(held);
    });
    EXPECT_TRUE(SaveConfig(*image, target, &failure)) << failure.reason;
    letGo.join();
    EXPECT_EQ(ReadBytes(target), ConfigFileBytes(*image));
}

// The programs run with UTF-8 as their code page (packaging/windows).
TEST(WindowsFiles, ANameOutsideTheAnsiCodePageIsSavedAndLoadedUnderThatName)
{
    ASSERT_EQ(::GetACP(), CP_UTF8);
    TempDir dir;
    auto image = FreshImage();
    // Put together by hand: std::filesystem takes a narrow name for Latin-1.
    const std::string name = dir.path().string() + "\\\xE7\xBD\x91\xCF\x89.cfg";
    Failure failure;
    ASSERT_TRUE(SaveConfig(*image, name, &failure)) << failure.reason;
    EXPECT_TRUE(fs::exists(dir.path() / L"\u7F51\u03C9.cfg"));
    EXPECT_TRUE(LoadConfig(*FreshImage(), name, &failure)) << failure.reason;
}

} // namespace
} // namespace talvex
