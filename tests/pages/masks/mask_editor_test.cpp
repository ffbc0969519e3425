#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "pages/masks/mask_editor.h"

namespace talvex {
namespace {

std::vector<std::uint8_t> BytesOf(const AddressMask& mask)
{
    const auto bytes = RecordBytes(mask);
    return {bytes.begin(), bytes.end()};
}

// Fields as the editor shows them right after opening on `record`.
MaskEditorFields Opened(AddressMask& record, int entry = 3)
{
    WriteMaskEditorDefaults(record);
    return DecodeMaskEditor(record, entry);
}

// A used record with a source mask, so OK has something to accept.
AddressMask UsedRecord()
{
    AddressMask record{};
    record.flags = MASK_IN_USE;
    record.srcLength = 2;
    record.srcMask[0] = 0xFF;
    record.srcMask[1] = 0x0F;
    return record;
}

TEST(MaskEditorOpen, EmptyEntryGetsDefaultFlagsAndShowsZeros)
{
    AddressMask record{};
    WriteMaskEditorDefaults(record);
    EXPECT_EQ(record.flags, 0x0003);

    const MaskEditorFields f = DecodeMaskEditor(record, 7);
    EXPECT_EQ(f.entry, "7");
    EXPECT_TRUE(f.bidirectionalQos);
    EXPECT_FALSE(f.absoluteTtl);
    EXPECT_FALSE(f.useKeyGroup);
    EXPECT_FALSE(f.auditConnections);
    EXPECT_FALSE(f.useTemplates);
    EXPECT_EQ(f.srcChoice, 0x00);  // RAW
    EXPECT_EQ(f.dstChoice, 0x00);
    EXPECT_EQ(f.srcOffset, "0");
    EXPECT_EQ(f.dstOffset, "0");
    EXPECT_EQ(f.srcMask, "");
    EXPECT_EQ(f.dstMask, "");
    EXPECT_EQ(f.ttl, "0");
    EXPECT_EQ(f.qos, "0");
    EXPECT_EQ(f.keyGroup, "0");
    EXPECT_EQ(f.defaultParam, "0");
    EXPECT_EQ(f.defaultAction, 0x00);  // <No Action Selected>

    const MaskEditorEnabling e = MaskEditorEnablingFor(f);
    EXPECT_TRUE(e.offsetsAndMasks);
    EXPECT_FALSE(e.keyGroup);
    EXPECT_FALSE(e.defaultParam);
}

TEST(MaskEditorOpen, UsedEntryKeepsItsFlags)
{
    AddressMask record{};
    record.flags = 0x0100;
    WriteMaskEditorDefaults(record);
    EXPECT_EQ(record.flags, 0x0100);
}

TEST(MaskEditorCancel, RestoresTheRecordByteForByte)
{
    MaskTable table{};
    MaskEditorSession session(table, 0);
    EXPECT_EQ(table[0].flags, 0x0003);
    session.cancel();
    EXPECT_EQ(BytesOf(table[0]), std::vector<std::uint8_t>(64, 0));
}

TEST(MaskEditorDecode, ShowsSignedFieldsAndUnsignedWholeSeconds)
{
    struct Case {
        std::uint32_t ticks;
        const char* seconds;
    };
    const Case cases[] = {
        {100, "5"}, {2160, "120"}, {17, "0"},
        {2700000000u, "150000000"}, {0xFFFFFFFFu, "238609294"},
    };
    for (const Case& c : cases) {
        AddressMask record = UsedRecord();
        record.ttlTicks = c.ticks;
        EXPECT_EQ(Opened(record).ttl, c.seconds) << c.ticks;
    }

    AddressMask record = UsedRecord();
    record.qosNode = static_cast<std::int16_t>(-1);
    record.keyGroup = 0xC8;
    record.defaultParam = static_cast<std::int16_t>(-300);
    record.srcOffset = 200;
    record.dstOffset = 255;
    const MaskEditorFields f = Opened(record);
    EXPECT_EQ(f.qos, "-1");
    EXPECT_EQ(f.keyGroup, "-56");
    EXPECT_EQ(f.defaultParam, "-300");
    EXPECT_EQ(f.srcOffset, "200");
    EXPECT_EQ(f.dstOffset, "255");
    EXPECT_EQ(f.srcMask, "FF.0F");
}

TEST(MaskEditorDecode, StoredLengthAboveSixteenShowsOnlyTheSixteenBytes)
{
    AddressMask record = UsedRecord();
    record.srcLength = 200;
    record.dstLength = 17;
    for (auto& b : record.srcMask)
        b = 0xAB;
    const MaskEditorFields f = Opened(record);
    std::string sixteen = "AB";
    for (int i = 1; i < 16; ++i)
        sixteen += ".AB";
    EXPECT_EQ(f.srcMask, sixteen);
    EXPECT_EQ(f.dstMask, "00.00.00.00.00.00.00.00.00.00.00.00.00.00.00.00");
}

TEST(MaskEditorDecode, CodesWithoutARowShowTheListsFirstRow)
{
    AddressMask record = UsedRecord();
    record.srcBase = 0x93;             // no base 0x90
    record.dstBase = 0x5F;             // ECB
    record.defaultAction = 0xE1;       // code 0x01 has no row
    const MaskEditorFields f = Opened(record);
    EXPECT_EQ(f.srcChoice, 0x00);
    EXPECT_EQ(f.dstChoice, 0x50);
    EXPECT_EQ(f.defaultAction, 0x00);

    record.defaultAction = 0xA5;       // Goto Rule with kept upper bits
    EXPECT_EQ(Opened(record).defaultAction, 0x05);
}

TEST(MaskEditorAccept, RefusesInputThatDoesNotConvertLeavesTheRecordAndSaysWhy)
{
    using F = MaskEditorFields;
    struct Case {
        const char* what;
        void (*edit)(MaskEditorFields&);
        std::size_t field;  // the FieldOffset the refusal names
        const char* reason;
    };
    const Case cases[] = {
        {"both masks empty", [](F& f) { f.srcMask = ""; f.dstMask = ""; }, FieldOffset(&F::srcMask),
         "Source Mask: give at least one byte here or in the Destination Mask"},
        {"mask without a byte", [](F& f) { f.srcMask = "GG"; }, FieldOffset(&F::srcMask),
         "Source Mask: type bytes in dotted hexadecimal such as FF.FF, or leave it empty"},
        {"blank mask text", [](F& f) { f.dstMask = " "; }, FieldOffset(&F::dstMask),
         "Destination Mask: type bytes in dotted hexadecimal such as FF.FF, or leave it empty"},
        {"TTL without digit", [](F& f) { f.ttl = "abc"; }, FieldOffset(&F::ttl),
         "TTL: type a whole number"},
        {"QoS empty", [](F& f) { f.qos = ""; }, FieldOffset(&F::qos), "QoS: type a whole number"},
        {"sign only", [](F& f) { f.keyGroup = "-"; }, FieldOffset(&F::keyGroup),
         "Key Group: type a whole number"},
        {"source offset", [](F& f) { f.srcOffset = "x1"; }, FieldOffset(&F::srcOffset),
         "Source Offset: type a whole number"},
        {"destination offset", [](F& f) { f.dstOffset = ""; }, FieldOffset(&F::dstOffset),
         "Destination Offset: type a whole number"},
        // The parameter box is disabled for "<No Action Selected>" but still read.
        {"disabled parameter", [](F& f) { f.defaultParam = "none"; },
         FieldOffset(&F::defaultParam), "Default Action Parameter: type a whole number"},
        {"templates without an address",  // <Don't Care> on both sides
         [](F& f) { f.useTemplates = true; f.srcChoice = f.dstChoice = 1; f.srcMask = ""; },
         FieldOffset(&F::srcChoice), "Source Address: choose a template other than <Don't Care> "
                                     "here or under Destination Address"},
        // Several invalid fields: the first the keyboard reaches is named.
        {"destination before TTL", [](F& f) { f.ttl = "x"; f.dstOffset = ""; },
         FieldOffset(&F::dstOffset), "Destination Offset: type a whole number"},
    };
    for (const Case& c : cases) {
        AddressMask record = UsedRecord();
        const MaskEditorFields opening = Opened(record);
        MaskEditorFields f = opening;
        const auto before = BytesOf(record);
        c.edit(f);
        FieldRefusal refusal;
        EXPECT_FALSE(AcceptMaskEditor(opening, f, record, &refusal)) << c.what;
        EXPECT_EQ(BytesOf(record), before) << c.what;
        EXPECT_EQ(std::pair(refusal.field, refusal.reason),
                  std::pair(c.field, std::string(c.reason)));
    }
}

TEST(MaskEditorAccept, NewMaskIsStoredAsShown)
{
    // A deleted mask keeps its key types and the other fields Delete leaves.
    struct Case {
        const char* what;
        std::uint8_t keyTypes;
        const char* srcMask;  // typed, or null for an untouched OK
        std::uint8_t srcLength, dstLength, dstOffset;
    } const cases[] = {
        {"typed source, empty destination", 0, "FF.FF.FF.FF", 4, 0, 0},
        {"deleted template mask, untouched", 5, nullptr, 4, 4, 16},
    };
    for (const Case& c : cases) {
        AddressMask record{};
        record.srcKeyType = record.dstKeyType = c.keyTypes;
        record.dstMask[5] = 0x77;  // left over from an earlier use
        record.ttlTicks = 2160;
        const MaskEditorFields opening = Opened(record);
        MaskEditorFields f = opening;
        if (c.srcMask != nullptr)
            f.srcMask = c.srcMask;
        ASSERT_TRUE(AcceptMaskEditor(std::nullopt, f, record)) << c.what;
        EXPECT_EQ(record.srcLength, c.srcLength) << c.what;
        EXPECT_EQ(record.dstLength, c.dstLength) << c.what;
        EXPECT_EQ(record.dstOffset, c.dstOffset) << c.what;
        EXPECT_EQ(record.dstMask[5], 0) << c.what;
        EXPECT_EQ(record.ttlTicks, 2160u) << c.what;
        EXPECT_EQ(record.flags, 0x0003) << c.what;
    }
}

TEST(MaskEditorAccept, UsedMaskShownWithTemplatesIsStoredAsTheTemplateShowsIt)
{
    AddressMask record = UsedRecord();  // two source bytes at offset 0
    record.srcKeyType = 5;              // IP addr: four bytes at 12 and 16
    record.dstKeyType = 5;
    const MaskEditorFields opening = Opened(record);
    ASSERT_TRUE(AcceptMaskEditor(opening, opening, record));
    EXPECT_EQ(record.srcOffset, 12);
    EXPECT_EQ(record.srcLength, 4);
    EXPECT_EQ(record.dstOffset, 16);
    EXPECT_EQ(record.dstLength, 4);
}

TEST(MaskEditorAccept, MaskTextStopsAtTheFirstByteThatDoesNotFit)
{
    AddressMask record{};
    for (auto& b : record.srcMask)
        b = 0x55;  // stale bytes past the new length must go
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    f.srcMask = "FF.GG";
    ASSERT_TRUE(AcceptMaskEditor(opening, f, record));
    EXPECT_EQ(record.srcLength, 1);
    Bytes<16> expected{};
    expected[0] = 0xFF;
    EXPECT_EQ(record.srcMask, expected);
}

TEST(MaskEditorAccept, NumbersKeepTheirLowBitsAfterTheUnsignedRead)
{
    struct Case {
        const char* qos;
        const char* keyGroup;
        const char* ttl;
        const char* param;
        const char* offset;
        std::int16_t storedQos;
        std::uint8_t storedKeyGroup;
        std::uint32_t storedTicks;
        std::int16_t storedParam;
        std::uint8_t storedOffset;
    };
    const Case cases[] = {
        {"-1", "200", "120", "7", "200", -1, 0xC8, 2160, 7, 200},
        {"65536", "-1", "-5", "-2", "256", 0, 0xFF, static_cast<std::uint32_t>(-90), -2, 0},
        {"  12 nodes", "+3", "238609295", "65535", "300", 12, 3, 238609295u * 18u, -1, 44},
    };
    for (const Case& c : cases) {
        AddressMask record = UsedRecord();
        const MaskEditorFields opening = Opened(record);
        MaskEditorFields f = opening;
        f.qos = c.qos;
        f.keyGroup = c.keyGroup;
        f.ttl = c.ttl;
        f.defaultParam = c.param;
        f.srcOffset = c.offset;
        ASSERT_TRUE(AcceptMaskEditor(opening, f, record)) << c.qos;
        EXPECT_EQ(record.qosNode, c.storedQos) << c.qos;
        EXPECT_EQ(record.keyGroup, c.storedKeyGroup) << c.keyGroup;
        EXPECT_EQ(record.ttlTicks, c.storedTicks) << c.ttl;
        EXPECT_EQ(record.defaultParam, c.storedParam) << c.param;
        EXPECT_EQ(record.srcOffset, c.storedOffset) << c.offset;
    }
}

TEST(MaskEditorAccept, StoredValuesShowTheSameWhenReopened)
{
    AddressMask record = UsedRecord();
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    f.qos = "-1";
    f.keyGroup = "200";
    f.ttl = "150000000";
    ASSERT_TRUE(AcceptMaskEditor(opening, f, record));
    const MaskEditorFields again = Opened(record);
    EXPECT_EQ(again.qos, "-1");
    EXPECT_EQ(again.keyGroup, "-56");
    EXPECT_EQ(again.ttl, "150000000");
}

TEST(MaskEditorAccept, KeepsEveryBitAndByteTheEditorDoesNotOwn)
{
    AddressMask record = UsedRecord();
    record.flags = 0xA5C5;  // high byte, 0x04, 0x40, 0x80 and MASK_IN_USE kept
    record.srcBase = 0x2A;
    record.dstBase = 0x7F;
    record.defaultAction = 0xE8;
    for (std::size_t i = 0; i < 8; ++i)
        record.engineReserved[i] = static_cast<std::uint8_t>(0x10 + i);
    record.engineTail = {0xDE, 0xAD, 0xBE, 0xEF};
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    f.absoluteTtl = true;
    f.useKeyGroup = true;
    f.auditConnections = false;
    f.bidirectionalQos = false;
    f.srcChoice = 0x50;  // ECB
    f.dstChoice = 0x10;  // D-MAC
    f.defaultAction = 0x05;
    ASSERT_TRUE(AcceptMaskEditor(opening, f, record));

    EXPECT_EQ(record.flags, (0xA5C5 & 0xFFC5) | MASK_ABSOLUTE_TTL | MASK_KEY_GROUP);
    EXPECT_EQ(record.srcBase, 0x5A);
    EXPECT_EQ(record.dstBase, 0x1F);
    EXPECT_EQ(record.srcKeyType, 0);
    EXPECT_EQ(record.dstKeyType, 0);
    EXPECT_EQ(record.defaultAction, 0xE5);
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_EQ(record.engineReserved[i], 0x10 + i);
    EXPECT_EQ(record.engineTail, (Bytes<4>{0xDE, 0xAD, 0xBE, 0xEF}));
}

TEST(MaskEditorAccept, FlagBitsWithoutInUseStayWithoutIt)
{
    AddressMask record = UsedRecord();
    record.flags = 0x0100;
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    ASSERT_TRUE(AcceptMaskEditor(opening, f, record));
    EXPECT_EQ(record.flags, 0x0100);
}

TEST(MaskEditorTemplates, IpAddrPlusPortOnBothSides)
{
    AddressMask record = UsedRecord();
    record.srcBase = 0x03;
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    f.useTemplates = true;
    ModeRefresh(record, f);
    EXPECT_EQ(f.srcChoice, 1);  // a stored 0 leaves <Don't Care>
    EXPECT_EQ(f.dstChoice, 1);
    EXPECT_FALSE(MaskEditorEnablingFor(f).offsetsAndMasks);

    f.srcChoice = 7;
    f.dstChoice = 7;
    FieldRefresh(record, f);
    EXPECT_EQ(f.srcOffset, "12");
    EXPECT_EQ(f.dstOffset, "16");
    EXPECT_EQ(f.srcMask, "FF.FF.FF.FF.00.00.00.00.FF.FF");
    EXPECT_EQ(f.dstMask, "FF.FF.FF.FF.00.00.FF.FF");

    ASSERT_TRUE(AcceptMaskEditor(opening, f, record));
    EXPECT_EQ(record.srcKeyType, 7);
    EXPECT_EQ(record.dstKeyType, 7);
    EXPECT_EQ(record.srcBase, 0x43);
    EXPECT_EQ(record.dstBase & 0xF0, 0x40);
    EXPECT_EQ(record.srcOffset, 12);
    EXPECT_EQ(record.srcLength, 10);
    EXPECT_EQ(record.dstOffset, 16);
    EXPECT_EQ(record.dstLength, 8);

    const MaskEditorFields again = Opened(record);
    EXPECT_TRUE(again.useTemplates);
    EXPECT_EQ(again.srcChoice, 7);
    EXPECT_EQ(again.dstMask, "FF.FF.FF.FF.00.00.FF.FF");
}

TEST(MaskEditorTemplates, EachSideUsesItsOwnColumn)
{
    AddressMask record = UsedRecord();
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    f.useTemplates = true;
    f.srcChoice = 8;   // IPX net: source network at 18
    f.dstChoice = 10;  // IPX socket: destination socket at 16
    FieldRefresh(record, f);
    EXPECT_EQ(f.srcOffset, "18");
    EXPECT_EQ(f.srcMask, "FF.FF.FF.FF");
    EXPECT_EQ(f.dstOffset, "16");
    EXPECT_EQ(f.dstMask, "FF.FF");
}

TEST(MaskEditorTemplates, DontCareOnBothSidesIsRefusedOnOneSideStoresAnEmptySide)
{
    AddressMask record = UsedRecord();
    record.dstOffset = 40;
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    f.useTemplates = true;
    f.srcChoice = 1;
    f.dstChoice = 1;
    FieldRefresh(record, f);
    EXPECT_FALSE(AcceptMaskEditor(opening, f, record));

    f.srcChoice = 5;
    FieldRefresh(record, f);
    ASSERT_TRUE(AcceptMaskEditor(opening, f, record));
    EXPECT_EQ(record.dstKeyType, 1);
    EXPECT_EQ(record.dstLength, 0);
    EXPECT_EQ(record.dstOffset, 0);
    EXPECT_EQ(record.srcLength, 4);
}

TEST(MaskEditorTemplates, TurningTemplatesOffShowsTheStoredValuesAgain)
{
    AddressMask record = UsedRecord();
    record.srcBase = 0x20;
    record.dstBase = 0x30;
    record.srcOffset = 33;
    record.dstOffset = 44;
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    f.useTemplates = true;
    ModeRefresh(record, f);
    f.srcChoice = 9;
    FieldRefresh(record, f);
    f.useTemplates = false;
    ModeRefresh(record, f);
    EXPECT_EQ(f.srcChoice, 0x20);
    EXPECT_EQ(f.dstChoice, 0x30);
    EXPECT_EQ(f.srcOffset, "33");
    EXPECT_EQ(f.dstOffset, "44");
    EXPECT_EQ(f.srcMask, "FF.0F");
    EXPECT_EQ(f.dstMask, "");
}

TEST(MaskEditorRefresh, ModeRefreshDropsUnsavedOffsetsMasksAndChoices)
{
    AddressMask record = UsedRecord();
    record.srcOffset = 9;
    const MaskEditorFields opening = Opened(record);
    MaskEditorFields f = opening;
    f.srcOffset = "100";
    f.dstMask = "FF";
    f.srcChoice = 0x40;
    f.defaultAction = 0x08;
    ModeRefresh(record, f);  // as a click on the templates box runs it
    EXPECT_EQ(f.srcOffset, "9");
    EXPECT_EQ(f.dstMask, "");
    EXPECT_EQ(f.srcChoice, 0x00);
    EXPECT_EQ(f.defaultAction, 0x08);
}

TEST(MaskEditorEnabling, ParameterBoxFollowsTheActionsArgument)
{
    MaskEditorFields f;
    struct Case {
        int action;
        bool enabled;
    };
    const Case cases[] = {{0x05, true}, {0x08, false}, {0x00, false}, {0x12, true},
                          {0x18, false}, {-1, false}, {0x01, false}};
    for (const Case& c : cases) {
        f.defaultAction = c.action;
        EXPECT_EQ(MaskEditorEnablingFor(f).defaultParam, c.enabled) << c.action;
    }
    f.useKeyGroup = true;
    EXPECT_TRUE(MaskEditorEnablingFor(f).keyGroup);
}

TEST(StepOffsetText, StepsWithinTheByteRange)
{
    struct Case {
        const char* text;
        int delta;
        const char* expected;
    };
    const Case cases[] = {
        {"12", 1, "13"}, {"12", -1, "11"}, {"0", -1, "0"}, {"255", 1, "255"},
        {"300", 1, "255"}, {"300", -1, "254"}, {"", 1, "1"}, {"abc", -1, "0"}, {"-1", -1, "254"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StepOffsetText(c.text, c.delta), c.expected) << c.text << " " << c.delta;
}

} // namespace
} // namespace talvex
