#include <gtest/gtest.h>

#include <cstring>

#include "pages/priq/priq_editor.h"
#include "pages/priq/priq_line.h"
#include "priq_test_table.h"

namespace talvex {
namespace {

using testing::MakePriQTable;

bool SameBytes(const PriorityQueueEntry& a, const PriorityQueueEntry& b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(PriQEditorOpen, DefaultsFollowTheEntryAbove)
{
    struct Case {
        const char* above;
        std::uint16_t aboveFlags;
        std::uint16_t liveFlags;  // the entry's flags while the editor is open
        bool startChecked;
    } const cases[] = {
        {"unused", 0x0000, 0x0011, true},
        {"used without position bits", 0x0001, 0x0011, true},
        {"start", 0x0011, 0x0021, false},
        {"intermediate", 0x0021, 0x0021, false},
        {"end", 0x0041, 0x0001, false},
        {"one-entry queue", 0x0051, 0x0021, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.above);
        PriQTable table = MakePriQTable({{4, c.aboveFlags}});
        PriQEditorSession session(table, 5);
        EXPECT_EQ(table[5].flags, c.liveFlags);
        EXPECT_EQ(session.openingFields().startChecked, c.startChecked);
        EXPECT_FALSE(session.openingFields().endChecked);
        EXPECT_EQ(session.qosBoxEnabled(), c.startChecked);
    }
}

TEST(PriQEditorOpen, EntryZeroAndEntriesWithPositionBitsGetNoDefaults)
{
    PriQTable table{};
    {
        PriQEditorSession session(table, 0);
        EXPECT_EQ(table[0].flags, PQ_IN_USE);
        EXPECT_FALSE(session.openingFields().startChecked);
        EXPECT_FALSE(session.qosBoxEnabled());
    }
    table = MakePriQTable({{7, 0x0041, 3}});
    PriQEditorSession session(table, 7);
    EXPECT_EQ(table[7].flags, 0x0041);
    EXPECT_TRUE(session.openingFields().endChecked);
}

TEST(PriQEditorOpen, ShowsTheEntryAsStored)
{
    PriQTable table = MakePriQTable({{10, 0x0051, -4}});
    table[10].metric1 = 65535;
    table[10].metric4 = 12;
    PriQEditorSession session(table, 10);
    PriQEditorFields expected;
    expected.entry = "10";
    expected.qos = "-4";
    expected.metrics = {"65535", "0", "0", "12"};
    expected.startChecked = true;
    expected.endChecked = true;
    EXPECT_EQ(session.openingFields(), expected);
}

TEST(PriQEditorOk, NewEntryAlwaysGetsAPosition)
{
    // Entry 0, and an entry below an end, open with no position: an
    // untouched OK makes a new entry an intermediate level, as the boxes
    // show; a used entry keeps what it holds.
    struct Case {
        int entry;
        std::uint16_t stored;
    } const cases[] = {{0, 0x0021}, {5, 0x0021}, {7, 0x0001}};
    for (const Case& c : cases) {
        PriQTable table = MakePriQTable({{4, 0x0041}, {6, 0x0041}, {7, 0x0001}});
        PriQEditorSession session(table, c.entry);
        ASSERT_TRUE(session.accept(session.openingFields()));
        EXPECT_EQ(table[static_cast<std::size_t>(c.entry)].flags, c.stored) << c.entry;
    }
    PriQTable table{};
    PriQEditorSession session(table, 0);
    ASSERT_TRUE(session.accept(session.openingFields()));
    EXPECT_EQ(PriQLineText(table[0], 0), "   Pri Q #00: |          Intermediate Priority");
}

TEST(PriQEditorOk, CheckBoxesGiveThePositionBits)
{
    struct Case {
        bool start, end;
        std::uint16_t flags;
    } const cases[] = {
        {true, false, 0x0011}, {false, true, 0x0041}, {false, false, 0x0021},
        {true, true, 0x0071}};  // the boxes as shown: the stored bits are kept
    for (const Case& c : cases) {
        PriQTable table = MakePriQTable({{3, 0x0071}});
        PriQEditorSession session(table, 3);
        PriQEditorFields fields = session.openingFields();
        fields.startChecked = c.start;
        fields.endChecked = c.end;
        ASSERT_TRUE(session.accept(fields));
        EXPECT_EQ(table[3].flags, c.flags);
    }
}

TEST(PriQEditorOk, KeepsEveryBitOutsideThePositionBits)
{
    EXPECT_EQ(EncodePriQFlags(0x0101, true, false), 0x0111);
    EXPECT_EQ(EncodePriQFlags(0xFF8E, false, true), 0xFFCF);
    EXPECT_EQ(EncodePriQFlags(0x0000, false, false), 0x0021);

    PriQTable table = MakePriQTable({{0, 0x0101}});
    PriQEditorSession session(table, 0);
    PriQEditorFields fields = session.openingFields();
    fields.endChecked = true;
    ASSERT_TRUE(session.accept(fields));
    EXPECT_EQ(table[0].flags, 0x0141);
}

TEST(PriQEditorOk, NumbersAreReadAsUnsignedAndMetricsKeepTheLowSixteenBits)
{
    PriQTable table = MakePriQTable({{0, 0x0011}});
    PriQEditorSession session(table, 0);
    PriQEditorFields fields = session.openingFields();
    fields.qos = " 12abc";
    fields.metrics = {"70000", "-1", "+7", "65535"};
    ASSERT_TRUE(session.accept(fields));
    EXPECT_EQ(table[0].qosNode, 12);
    EXPECT_EQ(table[0].metric1, 4464);
    EXPECT_EQ(table[0].metric2, 65535);
    EXPECT_EQ(table[0].metric3, 7);
    EXPECT_EQ(table[0].metric4, 65535);
    EXPECT_EQ(DecodePriQEditor(table[0], 0).metrics[0], "4464");
}

TEST(PriQEditorOk, TextWithoutADigitStoresNothingKeepsTheEditorOpenAndSaysWhy)
{
    for (int field = 0; field < 5; ++field) {
        PriQTable table = MakePriQTable({{1, 0x0011, 8}});
        PriQEditorSession session(table, 1);
        const PriorityQueueEntry opened = table[1];
        PriQEditorFields fields = session.openingFields();
        fields.startChecked = false;
        fields.metrics = {"1", "2", "3", "4"};
        if (field == 0)
            fields.qos = "x";
        else
            fields.metrics[static_cast<std::size_t>(field - 1)] = "  ";
        FieldRefusal refusal;
        EXPECT_FALSE(session.accept(fields, &refusal)) << "field " << field;
        EXPECT_TRUE(SameBytes(table[1], opened));
        EXPECT_TRUE(session.isOpen());
        const auto metric = static_cast<std::size_t>(field - 1);
        EXPECT_EQ(refusal.field, field == 0 ? FieldOffset(&PriQEditorFields::qos)
                                            : FieldOffset(&PriQEditorFields::metrics, metric));
        EXPECT_EQ(refusal.reason, (field == 0 ? "QoS" : "Metric " + std::to_string(field))
                                      + ": type a whole number");
    }
}

TEST(PriQEditorOk, RunsTheStructurePassOverTheWholeTable)
{
    // A new start above an existing queue raises the numbers below it, and a
    // QoS node typed into a non-start entry gives way to its start's.
    PriQTable table = MakePriQTable({{2, 0x0011, 6}, {3, 0x0041, 6}});
    table[2].queueNumber = 1;
    table[3].queueNumber = 1;
    {
        PriQEditorSession session(table, 1);
        ASSERT_TRUE(session.openingFields().startChecked);
        PriQEditorFields fields = session.openingFields();
        fields.qos = "4";
        fields.endChecked = true;
        ASSERT_TRUE(session.accept(fields));
    }
    EXPECT_EQ(table[1].queueNumber, 1);
    EXPECT_EQ(table[2].queueNumber, 2);
    EXPECT_EQ(table[3].queueNumber, 2);

    PriQEditorSession session(table, 3);
    PriQEditorFields fields = session.openingFields();
    fields.qos = "33";
    ASSERT_TRUE(session.accept(fields));
    EXPECT_EQ(table[3].qosNode, 6);
}

TEST(PriQEditorOk, QosTypedAfterCheckingStartIsKept)
{
    // The QoS box stays disabled when start is checked later, but its text
    // is stored and the entry, now a start, keeps it.
    PriQTable table = MakePriQTable({{0, 0x0011, 2}});
    PriQEditorSession session(table, 1);
    ASSERT_FALSE(session.qosBoxEnabled());
    PriQEditorFields fields = session.openingFields();
    fields.startChecked = true;
    fields.qos = "9";
    ASSERT_TRUE(session.accept(fields));
    EXPECT_FALSE(session.qosBoxEnabled());
    EXPECT_EQ(table[1].qosNode, 9);
    EXPECT_EQ(table[1].queueNumber, 2);
}

TEST(PriQEditorCancel, RestoresTheWholeEntry)
{
    PriQTable table{};
    {
        PriQEditorSession session(table, 5);
        EXPECT_EQ(table[5].flags, 0x0011);
        session.cancel();
    }
    EXPECT_EQ(table[5].flags, 0);

    table = MakePriQTable({{4, 0x0011, 1}, {5, 0x0101, 3}});
    auto raw = RecordBytes(table[5]);
    for (std::size_t b = 0; b < raw.size(); ++b)
        raw[b] = static_cast<std::uint8_t>(0xA0 + b);
    table[5].flags = 0x0101;
    const PriQTable before = table;
    {
        PriQEditorSession session(table, 5);
        PriQEditorFields fields = session.openingFields();
        fields.qos = "";  // a failed OK leaves the editor open
        EXPECT_FALSE(session.accept(fields));
        session.cancel();
        EXPECT_FALSE(session.accept(session.openingFields()));
    }
    EXPECT_EQ(0, std::memcmp(&table, &before, sizeof table));
}

TEST(PriQEditorCancel, SessionEndingWithoutOkIsACancel)
{
    PriQTable table{};
    { PriQEditorSession session(table, 9); }
    EXPECT_EQ(table[9].flags, 0);

    {
        PriQEditorSession session(table, 9);
        ASSERT_TRUE(session.accept(session.openingFields()));
        session.cancel();  // too late: the commit stands
    }
    EXPECT_EQ(table[9].flags, 0x0011);
}

} // namespace
} // namespace talvex
