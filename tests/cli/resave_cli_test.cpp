#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "config/config_file.h"
#include "support/run_talvexcfg.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::PatternBytes;
using testing::ReadBytes;
using testing::RunCfg;
using testing::TempDir;
using testing::WriteBytes;

// What the manager would write after loading the file without touching it.
std::vector<std::uint8_t> ManagerSave(const std::vector<std::uint8_t>& file, bool extend)
{
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    EXPECT_TRUE(LoadConfigBytes(*image, file));
    ClearRuntimeFields(*image);
    if (extend)
        image->masksBlockAbsent = image->priQBlockAbsent = false;
    return ConfigFileBytes(*image);
}

TEST(TalvexCfgResave, WritesWhatTheManagerWouldForEveryLoadableLength)
{
    TempDir dir;
    for (std::size_t length : {22529u, 25000u, 27648u, 27649u, 30000u, 32768u, 40000u}) {
        for (bool extend : {false, true}) {
            const auto file = PatternBytes(length, static_cast<std::uint32_t>(length));
            WriteBytes(dir.file("in.cfg"), file);
            std::vector<std::string> args{"resave"};
            if (extend)
                args.push_back("--extend");
            args.insert(args.end(), {dir.file("in.cfg"), dir.file("out.cfg")});
            const auto result = RunCfg(args);
            EXPECT_EQ(result.status, 0) << length << result.err;
            EXPECT_EQ(result.out, "");
            const auto saved = ReadBytes(dir.file("out.cfg"));
            EXPECT_EQ(saved.size(), extend || length > 27648 ? 32768u : 27648u) << length;
            EXPECT_EQ(saved, ManagerSave(file, extend)) << length << " extend " << extend;
        }
    }
}

TEST(TalvexCfgResave, AFileThatDoesNotLoadWritesNothingAndSaysWhyInOneLine)
{
    TempDir dir;
    WriteBytes(dir.file("short.cfg"), PatternBytes(22528));
    auto result = RunCfg({"resave", dir.file("short.cfg"), dir.file("out.cfg")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
    EXPECT_NE(result.err.find("short.cfg"), std::string::npos);
    EXPECT_NE(result.err.find("22528"), std::string::npos);
    EXPECT_NE(result.err.find("22529"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.cfg")));

    result = RunCfg({"resave", dir.file("missing.cfg"), dir.file("out.cfg")});
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("missing.cfg"), std::string::npos);
    EXPECT_NE(result.err.find("cannot open"), std::string::npos);
}

TEST(TalvexCfgResave, AFailedWriteExitsThreeAndLeavesTheOldOutput)
{
    TempDir dir;
    WriteBytes(dir.file("in.cfg"), PatternBytes(32768));
    std::filesystem::create_directory(dir.file("out"));
    const auto result = RunCfg({"resave", dir.file("in.cfg"), dir.file("out")});
    EXPECT_EQ(result.status, 3);
    EXPECT_NE(result.err.find("out"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("out")));
}

} // namespace
} // namespace talvex
