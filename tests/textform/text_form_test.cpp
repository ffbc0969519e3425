#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "config/config_file.h"
#include "support/fresh_image.h"
#include "textform/entry_text.h"
#include "textform/text_form.h"

namespace talvex::textform {
namespace {

// A file of random length between the shortest that loads and a little more
// than the longest, so both generations and short blocks occur. Half of the
// records keep their reset bytes; the others take bytes that are often
// known codes and flags, often garbage.
std::vector<std::uint8_t> RandomFile(std::mt19937& random)
{
    constexpr std::uint8_t LIKELY_BYTES[] = {0x00, 0x01, 0x03, 0x09, 0x10, 0x11, 0x40, 0xFF};
    auto image = std::make_unique<ConfigImage>();
    ResetTables(*image);
    for (auto table : {TableBytes(image->ruleTable), TableBytes(image->qosTable),
                       TableBytes(image->maskTable), TableBytes(image->priQTable)}) {
        for (std::size_t at = 0; at < table.size(); at += RECORD_SIZE) {
            if (random() % 2 == 0)
                continue;
            for (std::size_t i = at; i < at + RECORD_SIZE; ++i)
                table[i] = random() % 3 == 0 ? static_cast<std::uint8_t>(random())
                                             : LIKELY_BYTES[random() % 8];
        }
    }
    auto file = ConfigFileBytes(*image);
    std::uniform_int_distribution<std::size_t> length(MIN_LOADABLE_SIZE, FULL_FILE_SIZE + 64);
    file.resize(length(random), 0x5A);
    return file;
}

TEST(TextForm, ImportOfExportIsTheResaveAndExportOfImportIsTheText)
{
    std::mt19937 random(17);
    auto loaded = std::make_unique<ConfigImage>();
    auto imported = std::make_unique<ConfigImage>();
    for (int round = 0; round < 200; ++round) {
        ResetTables(*loaded);
        ASSERT_TRUE(LoadConfigBytes(*loaded, RandomFile(random)));
        ClearRuntimeFields(*loaded);
        const std::string text = WriteConfigText(*loaded);
        Failure error;
        ASSERT_TRUE(ReadConfigText(text, *imported, error)) << error.line << ": " << error.reason;
        ASSERT_EQ(ConfigFileBytes(*imported), ConfigFileBytes(*loaded)) << text;
        ASSERT_EQ(WriteConfigText(*imported), text);
    }
}

// A field set through its own member of entry 1 to a value no other field
// of the record holds, and the word its line must then hold: the member's
// name and that value.
struct MemberValue {
    std::string_view entry;
    void (*set)(ConfigImage&);
    std::string_view word;
};
#define SET(entry, table, member, value)                                                           \
    MemberValue{entry, [](ConfigImage& image) { image.table[1].member = value; },                  \
                #member "=" #value}
#define SET_FIRST_BYTE(entry, table, member, hex)                                                  \
    MemberValue{entry, [](ConfigImage& image) { image.table[1].member = {0x##hex}; },              \
                #member "=" #hex}
#define RULE(member, value) SET("rule 1", ruleTable, member, value)
#define QOS(member, value) SET("qos 1", qosTable, member, value)
#define MASK(member, value) SET("mask 1", maskTable, member, value)
#define PRIQ(member, value) SET("priq 1", priQTable, member, value)

TEST(TextForm, EveryFieldIsNamedAfterItsMember)
{
    const MemberValue cases[] = {
        RULE(ruleNumber, 301), RULE(ruleIndex, 302), RULE(ruleFlags, RULE_DEFINED),
        {"rule 1", [](ConfigImage& image) { image.ruleTable[1].ruleFlags |= BASE_MLID; },
         "offsetBase=MLID"},
        RULE(condition, 0xE3), RULE(thenAction, 0xE4), RULE(elseAction, 0xE5),
        RULE(offset, 303), RULE(frameLength, 304), RULE(patternLength, 305),
        RULE(thenParam, 306), RULE(elseParam, 307),
        SET_FIRST_BYTE("rule 1", ruleTable, patternData, 0D),
        SET_FIRST_BYTE("rule 1", ruleTable, patternMask, 0E),
        QOS(flags, QOS_BANKING), QOS(rateInterval, 401), QOS(samplePeriod, 402),
        QOS(highThreshold, 403), QOS(lowThreshold, 404),
        MASK(qosNode, 501), MASK(flags, MASK_AUDIT),
        SET_FIRST_BYTE("mask 1", maskTable, srcMask, 1A),
        MASK(srcKeyType, 0xE6), MASK(srcBase, 0xE7), MASK(srcOffset, 111), MASK(srcLength, 112),
        SET_FIRST_BYTE("mask 1", maskTable, dstMask, 1B),
        MASK(dstKeyType, 0xE8), MASK(dstBase, 0xE9), MASK(dstOffset, 113), MASK(dstLength, 114),
        MASK(ttlTicks, 502), MASK(keyGroup, 115), MASK(defaultAction, 0xEA),
        MASK(defaultParam, 503),
        PRIQ(qosNode, 601), PRIQ(flags, PQ_END), PRIQ(queueNumber, 602), PRIQ(metric1, 603),
        PRIQ(metric2, 604), PRIQ(metric3, 605), PRIQ(metric4, 606),
    };
    auto image = testing::FreshImage();
    for (const MemberValue& c : cases)
        c.set(*image);
    const std::string text = WriteConfigText(*image);
    for (const MemberValue& c : cases) {
        const std::size_t start = text.find("\n" + std::string(c.entry) + " ");
        ASSERT_NE(start, std::string::npos) << text;
        const std::string line = text.substr(start, text.find('\n', start + 1) - start) + " ";
        EXPECT_NE(line.find(" " + std::string(c.word) + " "), std::string::npos)
            << c.word << " not in" << line;
    }
}

TEST(TextForm, AHandWrittenHeaderAndAFewEntriesAreAWholeConfiguration)
{
    auto image = std::make_unique<ConfigImage>();
    Failure error;
    ASSERT_TRUE(ReadConfigText("# kept in git\n\n  TALVEX configuration Beta 1\r\n"
                               "rule 3 condition=\"Packet Sent\" thenAction=QoS thenParam=0xFFFF\n"
                               "mask 2 srcBase=FRAGS flags=MASK_AUDIT|0x8000 srcMask=ff.0A #\n",
                               *image, error));
    auto expected = std::make_unique<ConfigImage>();
    ResetTables(*expected);
    expected->priQBlockAbsent = true;
    expected->ruleTable[3].condition = 0x11;
    expected->ruleTable[3].thenAction = ACTION_QOS;
    expected->ruleTable[3].thenParam = -1;
    expected->maskTable[2].srcBase = BASE_FRAGS;
    expected->maskTable[2].flags = MASK_AUDIT | 0x8000;
    expected->maskTable[2].srcMask[0] = 0xFF;
    expected->maskTable[2].srcMask[1] = 0x0A;
    EXPECT_EQ(ConfigFileBytes(*image), ConfigFileBytes(*expected));
}

TEST(TextForm, SomeEntriesAreTheHeaderAndTheirLinesAsExportWritesThem)
{
    auto image = testing::FreshImage();
    image->qosTable[2].flags = QOS_BY_BYTES;
    image->qosTable[12].flags = QOS_BY_FRAMES;
    image->qosTable[21].flags = QOS_BY_FRAMES;
    const std::vector<int> entries{2, 21, 40};  // 40 is as a new configuration holds it
    EXPECT_EQ(WriteEntriesText(*image, TableKind::Qos, entries),
              "TALVEX configuration Beta 2\nqos 2 flags=QOS_BY_BYTES\n"
              "qos 21 flags=QOS_BY_FRAMES\n");
}

TEST(TextForm, AWrongLineIsNamedWithWhatIsWrong)
{
    const std::string header = "TALVEX configuration Beta 2\n";
    const struct {
        std::string text;
        int line;
        std::string reason;
    } cases[] = {
        {"", 1, "no header line"},
        {"# only\nrule 1\n", 2, "expected the header line"},
        {"TALVEX configuration Beta 3\n", 1, "expected the header line"},
        {header + "\nrules 1\n", 3, "unknown table 'rules'"},
        {"TALVEX configuration Beta 1\npriq 0\n", 2, "no priority queues"},
        {header + "qos 64\n", 2, "from 0 to 63"},
        {header + "rule 1\nrule 1\n", 3, "already given on line 2"},
        {header + "rule 1 offset\n", 2, "expected name=value"},
        {header + "rule 1 flags=0\n", 2, "no field 'flags'"},
        {header + "rule 1 offset=1 offset=2\n", 2, "offset is given twice"},
        {header + "rule 1 offset=32768\n", 2, "offset: '32768' is not a whole number from -32768"},
        {header + "qos 1 rateInterval=-1\n", 2, "from 0 to 4294967295"},
        {header + "rule 1 thenAction=\"Forward\"\n", 2, "'Forward' is none of \"Next Sequence\""},
        {header + "rule 1 offsetBase=0x08\n", 2, "offsetBase: '0x08' is none of RAW"},
        {header + "mask 1 flags=MASK_IN_USE|\n", 2, "'' is none of MASK_IN_USE"},
        {header + "rule 1 patternData=1.2\n", 2, "not dotted hexadecimal"},
        {header + "mask 1 engine60=01.02.03.04.05\n", 2, "has 5 bytes, the field 4"},
        {header + "rule 1 patternMask=\"FF\n", 2, "double quote is not closed"},
        {header + "rule 1 ruleFlags=RULE_DEFINED|ALWAYS_MISS\n", 2, "ALWAYS_MISS is the engine's"},
        {header + "qos 1 engine52=0x1\n", 2, "engine52: 0x00000001 is the engine's run-time state"},
    };
    auto image = std::make_unique<ConfigImage>();
    for (const auto& c : cases) {
        Failure error;
        EXPECT_FALSE(ReadConfigText(c.text, *image, error)) << c.text;
        EXPECT_EQ(error.line, c.line) << c.text;
        EXPECT_NE(error.reason.find(c.reason), std::string::npos) << c.text << "\n" << error.reason;
    }
}

} // namespace
} // namespace talvex::textform
