// talvexcfg on a standard input that cannot be read: closed, or a folder.
// The real program, since the case is its own file descriptor 0.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::ProgramPath;
using testing::ReadBytes;
using testing::ShellQuote;
using testing::TempDir;

TEST(TalvexCfgStandardInput, ThatCannotBeReadGivesOneLineAndExitTwo)
{
    TempDir dir;
    const std::string folder = "<" + ShellQuote(dir.path().string());
    for (const std::string& redirect : {std::string("<&-"), folder}) {
        const std::string command = ShellQuote(ProgramPath("talvexcfg")) + " import - "
            + ShellQuote(dir.file("out.cfg")) + " " + redirect + " 2>"
            + ShellQuote(dir.file("err"));
        const int raw = std::system(command.c_str());
        ASSERT_TRUE(WIFEXITED(raw)) << redirect;
        EXPECT_EQ(WEXITSTATUS(raw), 2) << redirect;
        const auto err = ReadBytes(dir.file("err"));
        EXPECT_EQ(std::string(err.begin(), err.end()),
                  "talvexcfg: (standard input): cannot read it\n");
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.cfg")));
    }
}

} // namespace
} // namespace talvex
