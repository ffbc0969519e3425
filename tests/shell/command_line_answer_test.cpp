#include "shell/command_line_answer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/run_program.h"

namespace talvex {
namespace {

TEST(CommandLineAnswer, OnlyAWholeTextOfHelpOrVersionIsAnswered)
{
    EXPECT_EQ(CommandLineAnswer("--version", "1.2.3"), "talvexmgr 1.2.3\n");
    EXPECT_THAT(*CommandLineAnswer("--help", "1.2.3"), ::testing::StartsWith("usage: talvexmgr [FILE]\n"));
    for (const char* fileName : {"", "./--help", "--help ", " --version", "--help --version", "-h"})
        EXPECT_EQ(CommandLineAnswer(fileName, "1.2.3"), std::nullopt) << fileName;
}

// talvexmgr is not built for Windows.
#ifndef _WIN32
TEST(TalvexmgrProgram, AnswersHelpAndVersionWithoutADisplay)
{
    if (!std::filesystem::exists(std::string(std::getenv("TALVEX_BIN")) + "/talvexmgr"))
        GTEST_SKIP() << "talvexmgr is not built (no Qt)";
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        ::unsetenv(name);
    const auto version = testing::RunProgram("talvexmgr", {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_THAT(version.out, ::testing::MatchesRegex("talvexmgr [0-9]+\\.[0-9]+\\.[0-9]+\n"));
    const auto help = testing::RunProgram("talvexmgr", {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, ::testing::StartsWith("usage: talvexmgr [FILE]\n"));
}
#endif

} // namespace
} // namespace talvex
