#include "tabseed/tabseed_run.h"

#include "tabseed_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace tabseed {
namespace {

using testing::Entries;
using testing::FileText;
using testing::Header;
using testing::StreamText;

constexpr std::uint32_t SEED = 1;

const std::string USAGE = "\r\n          Usage: TABSEED -COUNT=n -FILE=output.fil";

std::string AddingTo(const std::string& name)
{
    return "\nTALVEX - Export Process Is Adding To " + name + " ";
}

struct RunResult {
    int status;
    std::string out;
    std::string err;
};

RunResult RunProgram(std::vector<std::string> arguments, std::FILE* output = nullptr)
{
    std::FILE* out = output != nullptr ? output : std::tmpfile();
    std::FILE* err = std::tmpfile();
    RunResult result;
    result.status = RunTabseed(std::move(arguments), SEED, {out, err});
    result.out = output != nullptr ? "" : StreamText(out);
    result.err = StreamText(err);
    std::fclose(out);
    std::fclose(err);
    return result;
}

class TabseedRun : public testing::InTempDirectory {};

TEST_F(TabseedRun, WithoutArgumentsFiveEntriesGoToStandardOutputWithoutHeader)
{
    const RunResult result = RunProgram({});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, Entries(SEED, 5));
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out.starts_with("\r\n"));
    EXPECT_FALSE(result.out.ends_with("\n"));
}

TEST_F(TabseedRun, OptionsAndFileNameAreUpperCased)
{
    const RunResult result = RunProgram({"-count=0", "-file=x.txt"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, AddingTo("X.TXT"));
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(FileText("X.TXT"), Header());
    // The name as stored, also where names are case-insensitive.
    EXPECT_EQ(std::filesystem::directory_iterator(".")->path().filename(), "X.TXT");
}

TEST_F(TabseedRun, CountAboveOneMillionStopsTheRun)
{
    for (const std::string argument : {"-COUNT=1000001", "-COUNT=4294967295", "-COUNT=4294967296"}) {
        const RunResult result = RunProgram({argument, "-FILE=OUT.TXT"});
        EXPECT_EQ(result.status, 1) << argument;
        EXPECT_EQ(result.err, "\r\nTABSEED - \"" + argument + "\" should be between 0 and 1000000" + AddingTo("OUT.TXT"));
        EXPECT_EQ(result.out, "");
        std::filesystem::remove("OUT.TXT");
    }
}

TEST_F(TabseedRun, CountOfOneMillionIsAcceptedAndALaterCountReplacesIt)
{
    const RunResult result = RunProgram({"-COUNT=1000000", "-COUNT=2"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, Entries(SEED, 2));
}

TEST_F(TabseedRun, UnknownOptionsShowTheUsageAndStopTheRun)
{
    for (const std::string argument : {"-count=-5", "-count=abc", "-file=", "/?", ""}) {
        std::string shown = argument;
        for (char& c : shown) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        const RunResult result = RunProgram({argument});
        EXPECT_EQ(result.status, 1) << argument;
        EXPECT_EQ(result.err, "\r\nTABSEED - Invalid command line option \"" + shown + "\" specified" + USAGE);
        EXPECT_EQ(result.out, "");
    }
}

TEST_F(TabseedRun, EveryArgumentIsReadAfterAnErrorButNoEntryIsWritten)
{
    const RunResult result = RunProgram({"-BAD", "-FILE=A.TXT", "-COUNT=3"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "\r\nTABSEED - Invalid command line option \"-BAD\" specified" + USAGE + AddingTo("A.TXT"));
    EXPECT_EQ(FileText("A.TXT"), Header());
}

TEST_F(TabseedRun, OnlyTheLastOpenedFileGetsTheEntries)
{
    const RunResult result = RunProgram({"-FILE=A.TXT", "-COUNT=2", "-FILE=B.TXT"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, AddingTo("A.TXT") + AddingTo("B.TXT"));
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(FileText("A.TXT"), Header());
    EXPECT_EQ(FileText("B.TXT"), Header() + Entries(SEED, 2));
}

TEST_F(TabseedRun, ASecondRunAppendsItsHeaderAndEntries)
{
    RunProgram({"-FILE=A.TXT", "-COUNT=2"});
    RunProgram({"-FILE=A.TXT", "-COUNT=3"});
    EXPECT_EQ(FileText("A.TXT"), Header() + Entries(SEED, 2) + Header() + Entries(SEED, 3));
}

TEST_F(TabseedRun, AFileThatCannotBeOpenedIsReportedAndTheEntriesGoElsewhere)
{
    std::filesystem::create_directory("DIR");
    RunResult result = RunProgram({"-FILE=DIR", "-COUNT=2"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "\nTABSEED - Could Not Open DIR ");
    EXPECT_EQ(result.out, Entries(SEED, 2));

    result = RunProgram({"-FILE=A.TXT", "-FILE=DIR", "-COUNT=2"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, AddingTo("A.TXT") + "\nTABSEED - Could Not Open DIR ");
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(FileText("A.TXT"), Header() + Entries(SEED, 2));
}

TEST_F(TabseedRun, FileNamesOfAnyLengthAreHandled)
{
    std::filesystem::path deep;
    for (int level = 0; level < 12; ++level) {
        deep /= std::string(40, static_cast<char>('A' + level));
    }
    std::filesystem::create_directories(deep);
    const std::string name = (deep / "OUT.TXT").string();
    ASSERT_GT(name.size(), 255u);
    RunResult result = RunProgram({"-FILE=" + name, "-COUNT=1"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(FileText(name), Header() + Entries(SEED, 1));

    const std::string tooLong(5000, 'L');
    result = RunProgram({"-FILE=" + tooLong, "-COUNT=0"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "\nTABSEED - Could Not Open " + tooLong + " ");
}

TEST_F(TabseedRun, AFailedWriteIsReportedOnceAndFailsTheRun)
{
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    std::filesystem::create_symlink("/dev/full", "FULL.TXT");
    RunResult result = RunProgram({"-FILE=FULL.TXT", "-COUNT=2000"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, AddingTo("FULL.TXT") + "\nTABSEED - Could Not Write FULL.TXT ");

    result = RunProgram({"-COUNT=2000"}, std::fopen("/dev/full", "wb"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "\nTABSEED - Could Not Write STDOUT ");
}

} // namespace
} // namespace tabseed
