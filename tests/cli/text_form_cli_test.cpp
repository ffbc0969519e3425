#include <gtest/gtest.h>

#include <fstream>

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
    const std::string named = "talvexcfg: " + dir.file("bad.txt") + ":2: thenAction: 'Forward'";
    EXPECT_EQ(result.err.rfind(named, 0), 0u) << result.err;
    result = RunCfg({"import", "-", out}, "\n# nothing else\n");
    EXPECT_EQ(result.err, "talvexcfg: (standard input):1: no header line: expected "
                          "\"TALVEX configuration Beta 1\" or \"TALVEX configuration Beta 2\"\n");
    EXPECT_EQ(RunCfg({"import", dir.file("missing.txt"), out}).status, 2);
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

    result = RunCfg({"diff", dir.file("a"), dir.file("a")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(RunCfg({"diff", dir.file("a"), dir.file("a.txt")}).status, 2);
}

} // namespace
} // namespace talvex
