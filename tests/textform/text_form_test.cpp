#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "config/config_file.h"
#include "support/fresh_image.h"
#include "tables/config_tables.h"
#include "textform/text_form.h"

namespace talvex::textform {
namespace {

std::string Write(const ConfigImage& image, const TextImport* base = nullptr)
{
    return WriteConfigText(image, ConfigTables(), base);
}

bool Read(std::string_view text, ConfigImage& image, std::vector<Failure>& failures)
{
    failures.clear();
    return ReadConfigText(text, image, failures, ConfigTables());
}

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
    std::vector<Failure> errors;
    for (int round = 0; round < 200; ++round) {
        ResetTables(*loaded);
        ASSERT_TRUE(LoadConfigBytes(*loaded, RandomFile(random)));
        ClearRuntimeFields(*loaded);
        // As loaded, then as the manager saves it, its pages' fields derived.
        for (bool derived : {false, true}) {
            if (derived)
                DeriveAsPagesOpen(*loaded);
            const std::string text = Write(*loaded);
            ASSERT_TRUE(Read(text, *imported, errors)) << errors[0].line << errors[0].reason;
            ASSERT_EQ(ConfigFileBytes(*imported), ConfigFileBytes(*loaded)) << text;
            ASSERT_EQ(Write(*imported), text);
            EXPECT_TRUE(!derived || text.find("ruleIndex=") == std::string::npos) << text;
        }
    }
}

// A configuration as the manager saves it after an operator added a rule
// and a queue: its text holds what the operator made, no stamp and no
// derived queue field; where a file holds other values there, they are
// written, and the text reads back to the bytes either way.
TEST(TextForm, FieldsThePagesDeriveAreWrittenWhereTheyHoldSomethingElse)
{
    auto image = testing::FreshImage();
    image->ruleTable[3].setCodeWord(NEW_RULE_DEFAULT);
    image->priQTable[0].flags = PQ_IN_USE | PQ_START;
    image->priQTable[0].qosNode = 3;
    image->priQTable[1].flags = PQ_IN_USE | PQ_END;
    DeriveAsPagesOpen(*image);
    const std::string head = "TALVEX configuration Beta 2\n"
                             "rule 3 ruleFlags=RULE_DEFINED thenAction=\"Next Rule\" "
                             "elseAction=\"Forward Frame\"\n"
                             "priq 0 qosNode=3 flags=PQ_IN_USE|PQ_START\n";
    EXPECT_EQ(Write(*image), head + "priq 1 flags=PQ_IN_USE|PQ_END\n");
    image->ruleTable[5].ruleIndex = 0;
    image->priQTable[1].queueNumber = 7;
    const std::string text = Write(*image);
    EXPECT_EQ(text, head.substr(0, head.find("priq")) + "rule 5 ruleIndex=0\n"
                        + head.substr(head.find("priq"))
                        + "priq 1 flags=PQ_IN_USE|PQ_END queueNumber=7\n");
    auto imported = std::make_unique<ConfigImage>();
    std::vector<Failure> errors;
    ASSERT_TRUE(Read(text, *imported, errors));
    EXPECT_EQ(ConfigFileBytes(*imported), ConfigFileBytes(*image));
}

// A fleet: a site's text over a base replaces the fields it names, "unused"
// makes an entry new, the derived fields follow; written over the base, the
// configuration gives the site's text again.
TEST(TextForm, ALaterTextReplacesTheFieldsItNamesAndABaseLeavesOnlyTheRest)
{
    const std::string base = "TALVEX configuration Beta 2\n"
                             "rule 1 ruleFlags=RULE_DEFINED offset=5 thenAction=\"Drop Frame\"\n"
                             "rule 2 ruleFlags=RULE_DEFINED\n"
                             "priq 0 flags=PQ_IN_USE|PQ_START qosNode=3\npriq 1 flags=PQ_IN_USE\n";
    const std::string site = "TALVEX configuration Beta 2\n"
                             "rule 1 offset=9\nrule 2 unused\npriq 0 qosNode=4\n";
    TextImport baseOnly(ConfigTables());
    TextImport fleet(ConfigTables());
    std::vector<Failure> errors;
    ASSERT_TRUE(baseOnly.read(base, errors) && fleet.read(base, errors)
                && fleet.read(site, errors));
    auto image = std::make_unique<ConfigImage>();
    fleet.finish(*image);
    auto expected = testing::FreshImage();
    expected->ruleTable[1].ruleFlags = RULE_DEFINED;
    expected->ruleTable[1].thenAction = ACTION_DROP_FRAME;
    expected->ruleTable[1].offset = 9;
    expected->priQTable[0].flags = PQ_IN_USE | PQ_START;
    expected->priQTable[0].qosNode = 4;
    expected->priQTable[1].flags = PQ_IN_USE;
    DeriveAsPagesOpen(*expected);
    EXPECT_EQ(ConfigFileBytes(*image), ConfigFileBytes(*expected));
    EXPECT_EQ(Write(*image, &baseOnly), site);
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
        RULE(offset, 303), RULE(frameLength, 304), RULE(patternLength, 1),
        RULE(thenParam, 306), RULE(elseParam, 307),
        SET_FIRST_BYTE("rule 1", ruleTable, patternData, 0D),
        SET_FIRST_BYTE("rule 1", ruleTable, patternMask, 0E),
        // A delay is written as the time it is; a span to its stored length.
        {"rule 2", [](ConfigImage& image) { image.ruleTable[2].thenAction = ACTION_DELAY_FRAME; },
         "thenAction=\"Delay Frame...\""},
        {"rule 2", [](ConfigImage& image) { image.ruleTable[2].thenParam = -25536; },
         "thenParam=40000"},
        QOS(flags, QOS_BANKING), QOS(rateInterval, 401), QOS(samplePeriod, 402),
        QOS(highThreshold, 403), QOS(lowThreshold, 404),
        MASK(qosNode, 501), MASK(flags, MASK_AUDIT),
        SET_FIRST_BYTE("mask 1", maskTable, srcMask, 1A),
        MASK(srcKeyType, 0xE6), MASK(srcBase, 0xE7), MASK(srcOffset, 111), MASK(srcLength, 1),
        {"mask 1", [](ConfigImage& image) { image.maskTable[1].dstMask = {0x1B}; },
         "dstMask=1B.00"},
        MASK(dstKeyType, 0xE8), MASK(dstBase, 0xE9), MASK(dstOffset, 113), MASK(dstLength, 2),
        MASK(ttlTicks, 502), MASK(keyGroup, 115), MASK(defaultAction, 0xEA),
        MASK(defaultParam, 503),
        PRIQ(qosNode, 601), PRIQ(flags, PQ_END), PRIQ(queueNumber, 602), PRIQ(metric1, 603),
        PRIQ(metric2, 604), PRIQ(metric3, 605), PRIQ(metric4, 606),
    };
    auto image = testing::FreshImage();
    for (const MemberValue& c : cases)
        c.set(*image);
    const std::string text = Write(*image);
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
    std::vector<Failure> errors;
    ASSERT_TRUE(Read("# kept in git\n\n  TALVEX configuration Beta 1\r\n"
                     "rule 3 condition=\"Packet Sent\" thenAction=QoS thenParam=0xFFFF\n"
                     "mask 0x02 srcBase=FRAGS flags=MASK_AUDIT|0x8000 srcMask=ff.0A #\n",
                     *image, errors));
    auto expected = testing::FreshImage();
    DeriveAsPagesOpen(*expected);
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
    EXPECT_EQ(WriteEntriesText(*image, TableKind::Qos, entries, ConfigTables()),
              "TALVEX configuration Beta 2\nqos 2 flags=QOS_BY_BYTES\n"
              "qos 21 flags=QOS_BY_FRAMES\n");
}

TEST(TextForm, AWrongLineIsNamedWithWhatIsWrong)
{
    const std::string header = "TALVEX configuration Beta 2\n";
    const struct {
        std::string text;
        int line;
        int column;
        std::string reason;
    } cases[] = {
        {"", 1, 1, "no header line"},
        {"# only\nrule 1\n", 2, 1, "line \"TALVEX configuration Beta 1\" or \"TALVEX "
                                   "configuration Beta 2\", found 'rule 1'"},
        {"TALVEX configuration Beta 3\n", 1, 1, "found 'TALVEX configuration Beta 3'"},
        {"\xEF\xBB\xBF" + header, 1, 1, "starts with a UTF-8 byte-order mark"},
        {std::string("\xFF\xFET\0A\0", 6), 1, 1, "the text is UTF-16"},
        {std::string("T\0A\0L\0", 6), 1, 1, "UTF-16 (every other byte is 0)"},
        {"TALVEX configuration Beta 2\rrule 1\r", 1, 28, "a CR alone ends a line here"},
        {header + "<<<<<<< ours\n", 2, 1, "a merge-conflict marker '<<<<<<<'"},
        {header + "TALVEX configuration Beta 1\n", 2, 1, "a second header line; the text's "
                                                      "header is line 1"},
        {header + "\nrules 1\n", 3, 1, "unknown table 'rules', expected rule, qos, mask or "
                                        "priq; did you mean 'rule'?"},
        {"TALVEX configuration Beta 1\npriq 0\n", 2, 1, "no priority queues"},
        {header + "qos 64\n", 2, 5, "from 0 to 63 after 'qos', found '64'"},
        {header + "rule\n", 2, 5, "found the end of the line"},
        {header + "rule 1\nrule 0x01\n", 3, 1, "rule 1 is already given on line 2"},
        {header + "rule 1 offset\n", 2, 8, "expected name=value, found 'offset'"},
        {header + "rule 1 thenaction=QoS\n", 2, 8, "no field 'thenaction'; did you mean "
                                                   "'thenAction'?"},
        {header + "rule 1 flags=0\n", 2, 8, "'flags'; talvexcfg fields rule lists them"},
        {header + "rule 1 offset=1 offset=2\n", 2, 17, "offset is given twice"},
        {header + "rule 1 offset=32768\n", 2, 15, "'32768' is not a whole number from -32768"},
        {header + "rule 1 thenParam=65536\n", 2, 18, "from -32768 to 65535"},
        {header + "qos 1 rateInterval=-1\n", 2, 20, "from 0 to 4294967295"},
        {header + "rule 1 thenAction=\"Forward\"\n", 2, 19, "'Forward' is none of \"Next "},
        {header + "rule 1 offsetBase=0x08\n", 2, 19, "offsetBase: '0x08' is none of RAW"},
        {header + "mask 1 flags=MASK_IN_USE|\n", 2, 14, "'' is none of MASK_IN_USE"},
        {header + "rule 1 patternData=1.2\n", 2, 20, "not dotted hexadecimal"},
        {header + "mask 1 engine60=01.02.03.04.05\n", 2, 17, "has 5 bytes, the field 4"},
        {header + "rule 1 patternMask=\"FF\n", 2, 20, "double quote is not closed"},
        {header + "rule 1 offset=\x1b[1m" + std::string(70, '9') + "\n", 2, 15,
         "offset: '\\x1b[1m" + std::string(53, '9') + "...' is not"},
        {header + "rule 1 unused offset=1\n", 2, 15, "'unused' makes the entry new and takes "
                                                     "no fields, found 'offset=1'"},
        {header + "rule 1 ruleFlags=RULE_DEFINED|ALWAYS_MISS\n", 2, 8,
         "ruleFlags: ALWAYS_MISS is the engine's"},
        {header + "qos 1 engine52=0x1\n", 2, 7, "engine52: 0x00000001 is the engine's run-time"},
    };
    auto image = std::make_unique<ConfigImage>();
    std::vector<Failure> errors;
    for (const auto& c : cases) {
        EXPECT_FALSE(Read(c.text, *image, errors)) << c.text;
        ASSERT_FALSE(errors.empty()) << c.text;
        EXPECT_EQ(errors[0].line, c.line) << c.text;
        EXPECT_EQ(errors[0].column, c.column) << c.text;
        EXPECT_NE(errors[0].reason.find(c.reason), std::string::npos) << c.text << "\n"
                                                                       << errors[0].reason;
    }
    // Every error of a line, of every line, up to the last reported and one.
    std::string many = header + "rule 1 a=1 offset=x\n";
    for (int i = 0; i < 30; ++i)
        many += "rule x\n";
    EXPECT_FALSE(Read(many, *image, errors));
    ASSERT_EQ(errors.size(), MAX_TEXT_FAILURES + 1);
    EXPECT_EQ(errors[1].column, 19);
    EXPECT_EQ(errors.back().line, 21);
}

} // namespace
} // namespace talvex::textform
