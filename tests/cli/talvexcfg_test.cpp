// The program around the commands: its usage, --help and --version, and the
// command lines the documents show.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/run_talvexcfg.h"

namespace talvex {
namespace {

using testing::RunCfg;

TEST(TalvexCfg, UsageErrorsExitTwoAndHelpAndVersionSucceed)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, {"resave", "only-one"}, {"frobnicate"}, {"list", "x"},
          {"list", "tables", "f"}, {"export"}, {"export", "--base"}, {"export", "--base", "b"},
          {"import", "t"}, {"diff", "a"}, {"fields", "tables"}, {"fields", "rule", "qos"}}) {
        const auto result = RunCfg(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("usage"), std::string::npos);
    }
    auto help = RunCfg({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("talvexcfg verify FILE"), std::string::npos);
    EXPECT_NE(help.out.find("talvexcfg import TEXT... OUT"), std::string::npos);
    EXPECT_EQ(RunCfg({"--version"}).status, 0);
}

// A file of the source tree, found from this file's place in it.
std::string SourceText(const std::string& path)
{
    const auto root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::ifstream in(root / path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The README shows the command lines as the usage does; the manual page
// marks their words bold (*) or italic (_).
TEST(TalvexCfg, EveryCommandLineStandsInTheReadmeAndTheManualPage)
{
    const std::string readme = SourceText("README.md");
    std::string manual = SourceText("packaging/man/talvexcfg.1.scd");
    ASSERT_FALSE(readme.empty() || manual.empty());
    std::erase(manual, '*');
    std::erase(manual, '_');
    for (const cli::Command& command : cli::Commands()) {
        const std::string line =
            "talvexcfg " + std::string(command.name) + " " + std::string(command.synopsis) + "\n";
        EXPECT_NE(readme.find("\n    " + line), std::string::npos) << line;
        EXPECT_NE(manual.find("\n" + line), std::string::npos) << line;
    }
}

} // namespace
} // namespace talvex
