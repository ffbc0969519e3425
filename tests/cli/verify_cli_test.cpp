#include <gtest/gtest.h>

#include <memory>

#include "config/config_file.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "verify/verification.h"

namespace talvex {
namespace {

using testing::PatternBytes;
using testing::RunProgram;
using testing::TempDir;
using testing::WriteBytes;

// The report the manager's Verify page would show right after loading.
std::string ManagerReport(const std::vector<std::uint8_t>& file, bool& findings)
{
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    EXPECT_TRUE(LoadConfigBytes(*image, file));
    ClearRuntimeFields(*image);
    std::string report;
    findings = VerifyConfiguration(*image, report);
    return report;
}

TEST(TalvexCfgVerify, WritesTheReportByteForByteAndExitsOneOnFindings)
{
    TempDir dir;
    for (std::size_t length : {22529u, 27648u, 32768u}) {
        const auto file = PatternBytes(length, static_cast<std::uint32_t>(length) + 3);
        WriteBytes(dir.file("in.cfg"), file);
        bool findings = false;
        const std::string expected = ManagerReport(file, findings);
        ASSERT_TRUE(findings);
        const auto result = RunProgram("talvexcfg", {"verify", dir.file("in.cfg")});
        EXPECT_EQ(result.status, 1) << result.err;
        EXPECT_EQ(result.out, expected) << length;
        EXPECT_EQ(result.err, "");
    }
}

TEST(TalvexCfgVerify, CleanFileExitsZeroWithThePassingLineLast)
{
    TempDir dir;
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    WriteBytes(dir.file("new.cfg"), ConfigFileBytes(*image));
    const auto result = RunProgram("talvexcfg", {"verify", dir.file("new.cfg")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, 40), "Checking Rules For Bad References...\r\n\r\n");
    EXPECT_TRUE(result.out.ends_with("\r\n\r\nConfig Passes Validation Tests.")) << result.out;
}

TEST(TalvexCfgVerify, LoadFailureAndUsageErrorsExitTwoWithoutAReport)
{
    TempDir dir;
    WriteBytes(dir.file("short.cfg"), PatternBytes(22528));
    const std::vector<std::vector<std::string>> calls{
        {"verify", dir.file("short.cfg")},
        {"verify", dir.file("missing.cfg")},
        {"verify"},
        {"verify", dir.file("short.cfg"), dir.file("short.cfg")},
    };
    for (const auto& args : calls) {
        const auto result = RunProgram("talvexcfg", args);
        EXPECT_EQ(result.status, 2) << args.size();
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
    }
}

} // namespace
} // namespace talvex
