#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <streambuf>

#include "support/run_talvexcfg.h"
#include "support/temp_dir.h"

namespace talvex {
namespace {

using testing::PatternBytes;
using testing::ProgramResult;
using testing::ReadBytes;
using testing::RunCfg;
using testing::TempDir;
using testing::WriteBytes;

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

TEST(TalvexCfgTextForm, ImportOfExportWritesWhatResaveWrites)
{
    TempDir dir;
    for (std::size_t length : {27648u, 32768u}) {
        WriteBytes(dir.file("in.cfg"), PatternBytes(length, static_cast<std::uint32_t>(length)));
        const auto exported = RunCfg({"export", dir.file("in.cfg")});
        ASSERT_EQ(exported.status, 0) << exported.err;
        WriteText(dir.file("in.txt"), exported.out);
        EXPECT_EQ(RunCfg({"import", dir.file("in.txt"), dir.file("imported.cfg")}).status, 0);
        EXPECT_EQ(RunCfg({"import", "-", dir.file("piped.cfg")}, exported.out).status, 0);
        EXPECT_EQ(RunCfg({"resave", dir.file("in.cfg"), dir.file("resaved.cfg")}).status, 0);
        EXPECT_EQ(ReadBytes(dir.file("imported.cfg")), ReadBytes(dir.file("resaved.cfg")));
        EXPECT_EQ(ReadBytes(dir.file("piped.cfg")), ReadBytes(dir.file("resaved.cfg")));
    }
}

TEST(TalvexCfgTextForm, ImportFailuresLeaveTheOutputAsItWas)
{
    TempDir dir;
    const std::string out = dir.file("out.cfg");
    WriteBytes(out, PatternBytes(100));
    WriteText(dir.file("bad.txt"), "TALVEX configuration Beta 2\nrule 7 thenAction=Forward\n");
    auto result = RunCfg({"import", dir.file("bad.txt"), out});
    EXPECT_EQ(result.status, 2);
    const std::string named = "talvexcfg: " + dir.file("bad.txt") + ":2:19: thenAction: 'Forward'";
    EXPECT_EQ(result.err.rfind(named, 0), 0u) << result.err;
    result = RunCfg({"import", "-", out}, "\n# nothing else\n");
    EXPECT_EQ(result.err, "talvexcfg: (standard input):1:1: no header line: expected "
                          "\"TALVEX configuration Beta 1\" or \"TALVEX configuration Beta 2\"\n");
    EXPECT_EQ(RunCfg({"import", dir.file("missing.txt"), out}).status, 2);
    // Input beyond the bounds.
    const std::string header = "TALVEX configuration Beta 2\n";
    const struct {
        std::string text;
        std::string err;
    } hostile[] = {
        {header + std::string(100000, 'a'), ":2:4097: the line is longer than 4096 characters"},
        {header + std::string(std::size_t{17} << 20, '\n'), ": it is longer than 16777216 bytes"},
    };
    for (const auto& c : hostile) {
        result = RunCfg({"import", "-", out}, c.text);
        EXPECT_EQ(result.status, 2);
        EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err.substr(0, 200);
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << c.err;
    }
    // Standard input that cannot be read (closed, or a folder): every read fails.
    struct Unreadable : std::streambuf {
        int_type underflow() override { throw std::ios_base::failure("unreadable"); }
    } unreadable;
    std::istream in(&unreadable);
    std::ostringstream sink;
    std::ostringstream err;
    EXPECT_EQ(cli::RunTalvexCfg({"import", "-", out}, in, sink, err), 2);
    EXPECT_EQ(err.str(), "talvexcfg: (standard input): cannot read it\n");
    EXPECT_EQ(ReadBytes(out), PatternBytes(100));

    WriteText(dir.file("good.txt"), "TALVEX configuration Beta 2\n");
    std::filesystem::create_directory(dir.file("dir"));
    EXPECT_EQ(RunCfg({"import", dir.file("good.txt"), dir.file("dir")}).status, 3);
}

TEST(TalvexCfgTextForm, DiffShowsEntriesFieldsAndFindingsOfEachSide)
{
    TempDir dir;
    WriteText(dir.file("a.txt"),
              "TALVEX configuration Beta 2\nqos 5 flags=QOS_BY_FRAMES rateInterval=1000\n");
    WriteText(dir.file("b.txt"), "TALVEX configuration Beta 2\n"
                                 "rule 0 ruleFlags=RULE_DEFINED thenAction=QoS thenParam=5 "
                                 "elseAction=\"Drop Frame\"\n");
    for (const std::string name : {"a", "b"})
        ASSERT_EQ(RunCfg({"import", dir.file(name + ".txt"), dir.file(name)}).status, 0);

    auto result = RunCfg({"diff", dir.file("a"), dir.file("b")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "< " + dir.file("a") + "\n> " + dir.file("b") + "\n"
              "rule 0\n"
              "< {Unused} #000\n"
              "> Rule #000: ...If Data @ Offset 0 == \"\" Then QoS... 5 Else Drop Frame \n"
              "< ruleFlags=0 thenAction=0x00 elseAction=0x00 thenParam=0\n"
              "> ruleFlags=RULE_DEFINED thenAction=QoS... elseAction=\"Drop Frame\" thenParam=5\n"
              "qos 5\n"
              "< QoS #05: [--bF----] Rate=1000       Sample=1000000    On=0          Off=0         \n"
              "> {Unused} #05\n"
              "< flags=QOS_BY_FRAMES rateInterval=1000\n"
              "> flags=0 rateInterval=0\n"
              "verification\n"
              "> Rule 0 Then Action: QoS 5 Empty\n");

    // A text is read where a file is; entries that differ only in what the
    // pages derive are counted.
    result = RunCfg({"diff", dir.file("a"), dir.file("a.txt")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    WriteText(dir.file("c.txt"),
              "TALVEX configuration Beta 2\nrule 4 ruleIndex=0\nrule 9 ruleIndex=0\n");
    result = RunCfg({"diff", "-", dir.file("c.txt")}, "TALVEX configuration Beta 2\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out,
              "< (standard input)\n> " + dir.file("c.txt") + "\n2 rules: rule stamps\n");
}

// verify, list and export read a text as import does, whatever its size;
// resave refuses it and names import.
TEST(TalvexCfgTextForm, ATextIsReadWhereAFileIsAndResaveRefusesIt)
{
    TempDir dir;
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "# " + std::string(100, '=') + "\n";
    text += "TALVEX configuration Beta 2\n"
            "rule 0 ruleFlags=RULE_DEFINED thenAction=QoS thenParam=5\n";
    WriteText(dir.file("t.txt"), text);
    ASSERT_EQ(RunCfg({"import", dir.file("t.txt"), dir.file("t.cfg")}).status, 0);
    for (const std::vector<std::string>& command : {std::vector<std::string>{"verify"},
                                                    {"list", "rule"}, {"export"}}) {
        auto args = command;
        args.push_back(dir.file("t.cfg"));
        const auto fromFile = RunCfg(args);
        args.back() = dir.file("t.txt");
        EXPECT_EQ(RunCfg(args).out, fromFile.out) << command[0];
        args.back() = "-";
        EXPECT_EQ(RunCfg(args, text).out, fromFile.out) << command[0];
    }
    const auto refused = RunCfg({"resave", dir.file("t.txt"), dir.file("out.cfg")});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("configuration text, not a configuration file; talvexcfg import"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.cfg")));
}

// A fleet: a site's text over the base; export over the base gives it again.
TEST(TalvexCfgTextForm, ImportReadsTextsInOrderAndExportOverABaseGivesTheRest)
{
    TempDir dir;
    WriteText(dir.file("base.txt"), "TALVEX configuration Beta 2\nqos 1 flags=QOS_BY_BYTES\n");
    const std::string site = "TALVEX configuration Beta 2\nrule 0 thenAction=QoS... thenParam=1\n"
                             "qos 1 rateInterval=8000\n";
    WriteText(dir.file("site.txt"), site);
    ASSERT_EQ(RunCfg({"import", dir.file("base.txt"), "-", dir.file("site.cfg")}, site).status, 0);
    EXPECT_EQ(RunCfg({"export", "--base", dir.file("base.txt"), dir.file("site.cfg")}).out, site);
    EXPECT_NE(RunCfg({"export", dir.file("site.cfg")}).out.find(
                  "\nqos 1 flags=QOS_BY_BYTES rateInterval=8000\n"),
              std::string::npos);
}

} // namespace
} // namespace talvex
