// Runs the built program itself, for what only the whole process shows:
// the seed taken from the C library's clock, the exit status and the bytes
// on standard output, and a standard output that was closed before the
// start. The clock and the closed output need a POSIX shell.
#include "tabseed_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "support/run_program.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tabseed {
namespace {

using testing::Entries;
using testing::FileText;
using testing::Header;

class TabseedProgram : public testing::InTempDirectory {
protected:
    void SetUp() override
    {
        InTempDirectory::SetUp();
        const char* bin = std::getenv("TALVEX_BIN");
        if (bin == nullptr) {
            GTEST_SKIP() << "TALVEX_BIN is not set";
        }
        program_ = std::string(bin) + "/tabseed";
    }

#ifndef _WIN32
    // Runs a shell command line with "TABSEED" standing for the program;
    // returns the exit status.
    int Shell(const std::string& line)
    {
        std::string command = line;
        command.replace(command.find("TABSEED"), 7, "'" + program_ + "'");
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
#endif

private:
    std::string program_;
};

#ifndef _WIN32
TEST_F(TabseedProgram, SeedsTheGeneratorFromTheCalendarClock)
{
    if (std::system("command -v faketime >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "faketime is not installed";
    }
    const struct {
        const char* clock;
        std::uint32_t seconds;
    } clocks[] = {{"2021-03-04 05:06:07", 1614834367u}, {"1999-12-31 23:59:59", 946684799u}};
    for (const auto& clock : clocks) {
        // faketime preloads its library ahead of a sanitizer runtime, which
        // such a build is told not to mind.
        const int status = Shell(std::string("TZ=UTC ASAN_OPTIONS=\"$ASAN_OPTIONS:verify_asan_link_order=0\" faketime '")
                                 + clock.clock + "' TABSEED -count=3000 -file=out.txt 2>ERR.TXT");
        EXPECT_EQ(status, 0);
        const std::string written = FileText("OUT.TXT");
        const std::string expected = Header() + Entries(clock.seconds, 3000);
        const auto difference = std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
        EXPECT_TRUE(written == expected) << clock.clock << ": " << written.size() << " bytes written, "
                                         << expected.size() << " expected, first difference at byte "
                                         << (difference.first - written.begin());
        EXPECT_EQ(FileText("ERR.TXT"), "\nTALVEX - Export Process Is Adding To OUT.TXT ");
        std::filesystem::remove("OUT.TXT");
    }
}

TEST_F(TabseedProgram, AClosedStandardOutputIsReported)
{
    EXPECT_EQ(Shell("TABSEED -COUNT=3 >&- 2>ERR.TXT"), 1);
    EXPECT_EQ(FileText("ERR.TXT"), "\nTABSEED - Could Not Write STDOUT ");
    // Nothing to write: nothing to report.
    EXPECT_EQ(Shell("TABSEED -COUNT=0 >&- 2>ERR.TXT"), 0);
    EXPECT_EQ(FileText("ERR.TXT"), "");
}
#endif

TEST_F(TabseedProgram, ExitStatusTellsWhetherAllWentWell)
{
    using talvex::testing::RunProgram;
    const auto written = RunProgram("tabseed", {"-COUNT=2"});
    EXPECT_EQ(written.status, 0);
    // The entries' own CR LF reach standard output unchanged.
    EXPECT_TRUE(written.out.starts_with("\r\n"));
    EXPECT_EQ(std::ranges::count(written.out, '\r'), 2);
    EXPECT_EQ(std::ranges::count(written.out, '\n'), 2);
    EXPECT_EQ(RunProgram("tabseed", {"-COUNT=1000001"}).status, 1);
    EXPECT_EQ(RunProgram("tabseed", {"-COUNT=-5"}).status, 1);
    const auto unopened = RunProgram("tabseed", {"-FILE=."});
    EXPECT_EQ(unopened.status, 1);
    EXPECT_EQ(unopened.err, "\nTABSEED - Could Not Open . ");
}

} // namespace
} // namespace tabseed
