#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "config/config_file.h"
#include "support/run_talvexcfg.h"
#include "support/temp_dir.h"
#include "verify/verification.h"

namespace talvex {
namespace {

using testing::PatternBytes;
using testing::RunCfg;
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

// The real program: the report reaches standard output byte for byte.
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
    const auto result = RunCfg({"verify", dir.file("new.cfg")});
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
        {"verify", dir.file("short.cfg"), dir.file("missing.cfg")},
    };
    for (const auto& args : calls) {
        const auto result = RunCfg(args);
        EXPECT_EQ(result.status, 2) << args.size();
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(result.err.empty());
    }
}

// The bytes of a clean, newly reset configuration.
std::vector<std::uint8_t> CleanFile()
{
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    return ConfigFileBytes(*image);
}

std::string Framed(const std::string& fileName, const std::string& report)
{
    std::string text = "==> " + fileName + " <==\n" + report;
    if (!text.ends_with('\n'))
        text += "\r\n";
    return text + "\n";
}

TEST(TalvexCfgVerify, SeveralFilesFrameEveryReportAndExitWithTheWorstFinding)
{
    TempDir dir;
    const auto broken = PatternBytes(32768, 77);
    WriteBytes(dir.file("clean.cfg"), CleanFile());
    WriteBytes(dir.file("broken.cfg"), broken);
    bool findings = false;
    const std::string cleanReport = ManagerReport(CleanFile(), findings);
    ASSERT_FALSE(findings);
    const std::string brokenReport = ManagerReport(broken, findings);
    ASSERT_TRUE(findings);
    ASSERT_TRUE(brokenReport.ends_with("\r\n"));

    struct Case {
        std::vector<std::string> files;
        int status;
    };
    const std::vector<Case> cases{
        {{"clean.cfg", "broken.cfg"}, 1},
        {{"broken.cfg", "clean.cfg"}, 1},
        {{"clean.cfg", "clean.cfg"}, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"verify"};
        std::string expected;
        for (const std::string& name : c.files) {
            args.push_back(dir.file(name));
            expected += Framed(dir.file(name), name == "clean.cfg" ? cleanReport : brokenReport);
        }
        const auto result = RunCfg(args);
        EXPECT_EQ(result.status, c.status) << c.files[0];
        EXPECT_EQ(result.out, expected) << c.files[0];
        EXPECT_EQ(result.err, "");
    }
}

TEST(TalvexCfgVerify, AFileThatDoesNotLoadIsNamedOnStderrAndTheOthersAreStillChecked)
{
    TempDir dir;
    WriteBytes(dir.file("clean.cfg"), CleanFile());
    WriteBytes(dir.file("short.cfg"), PatternBytes(22528));
    bool findings = false;
    const std::string cleanReport = ManagerReport(CleanFile(), findings);

    const auto result = RunCfg({"verify", dir.file("short.cfg"), dir.file("clean.cfg"),
                                dir.file("missing.cfg"), dir.file("clean.cfg")});
    // A load failure outweighs everything, even clean reports.
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, Framed(dir.file("clean.cfg"), cleanReport)
                              + Framed(dir.file("clean.cfg"), cleanReport));
    // One line per failed file, in the order of the command line.
    const auto shortAt = result.err.find("talvexcfg: " + dir.file("short.cfg") + ": ");
    const auto missingAt = result.err.find("talvexcfg: " + dir.file("missing.cfg") + ": ");
    EXPECT_EQ(shortAt, 0u) << result.err;
    EXPECT_NE(missingAt, std::string::npos) << result.err;
    EXPECT_LT(shortAt, missingAt);
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 2) << result.err;
}

TEST(TalvexCfgVerify, FindingsInOneFileDoNotLeakIntoTheNextReport)
{
    // The files are checked one after the other; a file after a broken one
    // gets the same report as when it is checked alone.
    TempDir dir;
    WriteBytes(dir.file("broken.cfg"), PatternBytes(32768, 5));
    const auto beta1 = PatternBytes(22600, 9);
    WriteBytes(dir.file("beta1.cfg"), beta1);
    bool findings = false;
    const std::string beta1Report = ManagerReport(beta1, findings);
    const auto alone = RunCfg({"verify", dir.file("beta1.cfg")});
    ASSERT_EQ(alone.out, beta1Report);
    const auto both = RunCfg({"verify", dir.file("broken.cfg"), dir.file("beta1.cfg")});
    EXPECT_TRUE(both.out.ends_with(Framed(dir.file("beta1.cfg"), beta1Report))) << both.out;
}

} // namespace
} // namespace talvex
