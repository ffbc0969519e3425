#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "pages/rules/rule_editor.h"
#include "rule_builders.h"

using namespace talvex;
using talvex::testing::ComparisonRule;
using talvex::testing::SetBytes;

namespace {

bool SameBytes(const RuleRecord& a, const RuleRecord& b)
{
    const auto x = RecordBytes(a);
    const auto y = RecordBytes(b);
    return std::equal(x.begin(), x.end(), y.begin());
}

// A reset slot: own number, letters A to P, mask all FF.
RuleRecord ResetSlot(int slot)
{
    RuleRecord rule{};
    rule.ruleNumber = static_cast<std::uint16_t>(slot);
    for (std::size_t i = 0; i < 16; ++i)
        rule.patternData[i] = static_cast<std::uint8_t>(0x41 + i);
    rule.patternMask.fill(0xFF);
    return rule;
}

// Opens the editor on `rule` and returns the fields it shows.
RuleEditorFields OpenAndDecode(RuleRecord& rule, int slot)
{
    WriteRuleEditorDefaults(rule);
    return DecodeRuleEditor(rule, slot);
}

TEST(RuleEditor, OpenOnUnusedSlotWritesNewRuleDefaultAndCancelRestores)
{
    auto table = std::make_unique<RuleTable>();
    RuleRecord& rule = (*table)[12];
    rule = ResetSlot(12);
    rule.runtimeA = 0x12345678;
    const RuleRecord original = rule;
    RuleEditorSession session(*table, 12);
    EXPECT_EQ(rule.codeWord(), NEW_RULE_DEFAULT);
    EXPECT_EQ(RecordBytes(rule)[4], 0x01);
    EXPECT_EQ(RecordBytes(rule)[7], 0x09);
    session.cancel();
    EXPECT_TRUE(SameBytes(rule, original));
}

TEST(RuleEditor, OpenOnUsedSlotLeavesTheRecordAlone)
{
    RuleRecord rule = ComparisonRule(BASE_FRAGS, 0x0200, 9, {0x06}, {0xFF});
    const RuleRecord original = rule;
    WriteRuleEditorDefaults(rule);
    EXPECT_TRUE(SameBytes(rule, original));
}

TEST(RuleEditor, NewRuleAcceptedUnchangedIsAComparisonOnNoBytes)
{
    auto table = std::make_unique<RuleTable>();
    RuleRecord& rule = (*table)[12];
    rule = ResetSlot(12);
    rule.frameLength = 5;  // left from an earlier rule
    RuleEditorSession session(*table, 12);
    EXPECT_TRUE(session.makesNewEntry());
    EXPECT_EQ(session.openingFields().patternData, "");
    ASSERT_TRUE(session.accept(session.openingFields()));
    RuleRecord expected = ResetSlot(12);
    expected.setCodeWord(NEW_RULE_DEFAULT);
    expected.patternData = {};  // the reset letters are not kept past length 0
    expected.patternMask = {};
    EXPECT_TRUE(SameBytes(rule, expected));
}

TEST(RuleEditor, DecodeShowsCodesAndUnsignedNumbers)
{
    RuleRecord rule = ComparisonRule(BASE_ECB, 0x0200, -1, {0x08, 0x00}, {0xFF, 0x0F});
    rule.thenAction = 0x20 | ACTION_DELAY_FRAME;
    rule.thenParam = static_cast<std::int16_t>(40000);
    rule.elseAction = ACTION_GOTO_RULE;
    rule.elseParam = 3;
    const RuleEditorFields fields = DecodeRuleEditor(rule, 255);
    EXPECT_EQ(fields.entry, "255");
    EXPECT_EQ(fields.condition, 0x0000u);  // ">" is not a condition row: first row
    EXPECT_EQ(fields.comparison, 0x0200u);
    EXPECT_EQ(fields.base, 0x50u);
    EXPECT_EQ(fields.thenAction, 0x10u);
    EXPECT_EQ(fields.thenParam, "40000");
    EXPECT_EQ(fields.elseAction, 0x05u);
    EXPECT_EQ(fields.elseParam, "3");
    EXPECT_EQ(fields.offset, "65535");
    EXPECT_EQ(fields.length, "2");
    EXPECT_EQ(fields.patternData, "08.00");
    EXPECT_EQ(fields.patternMask, "FF.0F");
    EXPECT_EQ(fields.params[0], "8");  // bytes 32 to 35 read as P1
    EXPECT_EQ(fields.params[1], "0");
}

TEST(RuleEditor, DecodeOfUnknownCodesShowsFirstRows)
{
    RuleRecord rule{};
    rule.ruleFlags = RULE_DEFINED | 0x90;  // base 0x90 has no row
    rule.condition = 0x01;                 // Packet Received: no operator row
    rule.thenAction = 0x06;
    rule.elseAction = 0x1F;
    const RuleEditorFields fields = DecodeRuleEditor(rule, 0);
    EXPECT_EQ(fields.condition, 0x0100u);
    EXPECT_EQ(fields.comparison, 0x0000u);
    EXPECT_EQ(fields.base, 0x00u);
    EXPECT_EQ(fields.thenAction, 0x02u);
    EXPECT_EQ(fields.elseAction, 0x02u);
}

TEST(RuleEditor, DecodeOfAnOversizedStoredLengthShowsSixteenBytes)
{
    RuleRecord rule = ComparisonRule(BASE_RAW, 0x0000, 0, {}, {});
    rule.patternLength = 40;
    rule.patternData.fill(0x11);
    rule.patternMask.fill(0xFF);
    const RuleEditorFields fields = DecodeRuleEditor(rule, 0);
    EXPECT_EQ(fields.patternData, "11.11.11.11.11.11.11.11.11.11.11.11.11.11.11.11");
    rule.patternLength = -1;
    EXPECT_EQ(DecodeRuleEditor(rule, 0).patternData, "");
}

TEST(RuleEditor, EmptyMaskMeansAllTestedForThePatternLength)
{
    RuleRecord rule = ResetSlot(1);
    const RuleEditorFields opening = OpenAndDecode(rule, 1);
    RuleEditorFields fields = opening;
    fields.patternData = "08.00";
    ASSERT_TRUE(AcceptRuleEditor(opening, fields, rule));
    EXPECT_EQ(rule.patternLength, 2);
    EXPECT_EQ(rule.frameLength, 2);
    Bytes<16> data{};
    SetBytes(data, {0x08, 0x00});
    Bytes<16> mask{};
    SetBytes(mask, {0xFF, 0xFF});
    EXPECT_EQ(rule.patternData, data);
    EXPECT_EQ(rule.patternMask, mask);
}

using F = RuleEditorFields;

struct RefusedCase {
    const char* what;
    void (*change)(RuleEditorFields&);
    std::size_t field;   // the FieldOffset the refusal names
    const char* reason;
};

class RuleEditorRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RuleEditorRefuses, LeavesTheRecordUntouchedAndNamesTheFirstInvalidField)
{
    RuleRecord rule = ComparisonRule(BASE_FRAGS, 0x0000, 12, {0x0A, 0x00}, {0xFF, 0xFF});
    rule.thenAction = ACTION_DROP_FRAME;
    rule.condition |= 0x40;
    const RuleEditorFields opening = DecodeRuleEditor(rule, 3);
    RuleEditorFields fields = opening;
    GetParam().change(fields);
    const RuleRecord before = rule;
    FieldRefusal refusal;
    EXPECT_FALSE(AcceptRuleEditor(opening, fields, rule, &refusal)) << GetParam().what;
    EXPECT_TRUE(SameBytes(rule, before)) << GetParam().what;
    EXPECT_EQ(std::pair(refusal.field, refusal.reason),
              std::pair(GetParam().field, std::string(GetParam().reason)));
}

constexpr const char* MASK_OF_TWO =
    "Mask: give as many bytes as the pattern data (2), or leave it empty";

INSTANTIATE_TEST_SUITE_P(
    InvalidFields, RuleEditorRefuses,
    ::testing::Values(
        RefusedCase{"mask shorter than data",
                    [](F& f) { f.patternData = "08.00"; f.patternMask = "FF"; },
                    FieldOffset(&F::patternMask), MASK_OF_TWO},
        RefusedCase{"mask longer than data",
                    [](F& f) { f.patternData = "08"; f.patternMask = "FF.FF"; },
                    FieldOffset(&F::patternMask),
                    "Mask: give as many bytes as the pattern data (1), or leave it empty"},
        RefusedCase{"mask of spaces only", [](F& f) { f.patternMask = "  "; },
                    FieldOffset(&F::patternMask), MASK_OF_TWO},
        RefusedCase{"Len empty", [](F& f) { f.length = ""; }, FieldOffset(&F::length),
                    "Len: type a whole number"},
        RefusedCase{"disabled Then number emptied", [](F& f) { f.thenParam = ""; },
                    FieldOffset(&F::thenParam), "Then Parameter: type a whole number"},
        RefusedCase{"Else number not a number", [](F& f) { f.elseParam = "x1"; },
                    FieldOffset(&F::elseParam), "Else Parameter: type a whole number"},
        RefusedCase{"Offset only a sign", [](F& f) { f.offset = "-"; }, FieldOffset(&F::offset),
                    "Offset: type a whole number"},
        RefusedCase{"hidden fourth parameter empty", [](F& f) { f.params[3] = ""; },
                    FieldOffset(&F::params, 3), "Parameter 4: type a whole number"},
        RefusedCase{"parameter named by its condition",
                    [](F& f) { f.condition = 0x1900; f.params[1] = "many"; },
                    FieldOffset(&F::params, 1), "Minimum Population: type a whole number"},
        // Several invalid fields: the first the keyboard reaches is named.
        RefusedCase{"Len, mask, parameters, Then",
                    [](F& f) { f.length = f.params[0] = f.thenParam = ""; f.patternMask = "FF"; },
                    FieldOffset(&F::length), "Len: type a whole number"},
        RefusedCase{"parameters before Then",
                    [](F& f) { f.params[2] = ""; f.thenParam = ""; }, FieldOffset(&F::params, 2),
                    "Parameter 3: type a whole number"}));

TEST(RuleEditor, LenIsReadButThePatternLengthIsStored)
{
    RuleRecord rule = ResetSlot(1);
    const RuleEditorFields opening = OpenAndDecode(rule, 1);
    RuleEditorFields fields = opening;
    fields.patternData = "01.02.03.04";
    fields.patternMask = "FF.FF.FF.00";
    fields.length = "7";
    ASSERT_TRUE(AcceptRuleEditor(opening, fields, rule));
    EXPECT_EQ(rule.frameLength, 4);
    EXPECT_EQ(rule.patternLength, 4);
}

TEST(RuleEditor, NumbersKeepTheirLowSixteenBits)
{
    RuleRecord rule = ResetSlot(1);
    const RuleEditorFields opening = OpenAndDecode(rule, 1);
    RuleEditorFields fields = opening;
    fields.thenParam = "  65537 trailing";
    fields.elseParam = "-1";
    fields.offset = "+300";
    ASSERT_TRUE(AcceptRuleEditor(opening, fields, rule));
    EXPECT_EQ(rule.thenParam, 1);
    EXPECT_EQ(rule.elseParam, -1);
    EXPECT_EQ(rule.offset, 300);
}

TEST(RuleEditor, KeyGroupConditionStoresParametersAndKeepsTheMask)
{
    RuleRecord rule = ComparisonRule(BASE_RAW, 0x0000, 0, {0x01}, {0x0F});
    rule.patternMask[5] = 0x77;
    const Bytes<16> mask = rule.patternMask;
    const RuleEditorFields opening = DecodeRuleEditor(rule, 6);
    RuleEditorFields fields = opening;
    fields.condition = 0x0900;
    fields.params = {"7", "100", "5000", "4294967295"};
    ASSERT_TRUE(AcceptRuleEditor(opening, fields, rule));
    Bytes<16> params{};
    SetBytes(params, {7, 0, 0, 0, 100, 0, 0, 0, 0x88, 0x13, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(rule.patternData, params);
    EXPECT_EQ(rule.patternMask, mask);
    EXPECT_EQ(rule.condition & CONDITION_MASK, 0x09);
    EXPECT_EQ(rule.patternLength, 1);  // the (hidden) pattern field still sets the length
}

TEST(RuleEditor, EncodingKeepsEveryBitItDoesNotOwn)
{
    RuleRecord rule = ComparisonRule(BASE_FRAGS, 0x0200, 0, {0x01}, {0xFF});
    rule.ruleFlags |= ALWAYS_MISS | 0x08;
    rule.condition = 0xE2;
    rule.thenAction = 0xA0 | ACTION_QOS;
    rule.elseAction = 0x40 | ACTION_DROP_FRAME;
    rule.runtimeA = 0xAABBCCDD;
    rule.runtimeB = 0x11223344;
    rule.engineReserved = {0x5A, 0xA5};
    rule.engineLink = 0x01020304;
    rule.ruleNumber = 44;
    rule.ruleIndex = 45;
    const RuleRecord before = rule;

    const RuleEditorFields opening = DecodeRuleEditor(rule, 44);

    RuleEditorFields fields = opening;
    fields.comparison = 0x0300;
    fields.base = 0x70;
    fields.thenAction = ACTION_GOTO_RULE;
    fields.elseAction = ACTION_LOG_NEXT_RULE;
    ASSERT_TRUE(AcceptRuleEditor(opening, fields, rule));

    EXPECT_EQ(rule.condition, 0xE3);
    EXPECT_EQ(rule.ruleFlags, 0x70 | RULE_DEFINED | ALWAYS_MISS | 0x08);
    EXPECT_EQ(rule.thenAction, 0xA0 | ACTION_GOTO_RULE);
    EXPECT_EQ(rule.elseAction, 0x40 | ACTION_LOG_NEXT_RULE);
    const auto now = RecordBytes(rule);
    const auto was = RecordBytes(before);
    EXPECT_TRUE(std::equal(now.begin(), now.begin() + 4, was.begin()));
    EXPECT_TRUE(std::equal(now.begin() + 16, now.begin() + 20, was.begin() + 16));
    EXPECT_TRUE(std::equal(now.begin() + 22, now.begin() + 32, was.begin() + 22));
}

// The enabling for the three choices it follows.
RuleEditorEnabling EnablingFor(std::uint32_t condition, std::uint32_t thenAction,
                               std::uint32_t elseAction)
{
    RuleEditorFields fields;
    fields.condition = condition;
    fields.thenAction = thenAction;
    fields.elseAction = elseAction;
    return RuleEditorEnablingFor(fields);
}

TEST(RuleEditor, EnablingFollowsTheSelectedRows)
{
    const RuleEditorEnabling comparison = EnablingFor(0x0000, 0x08, 0x11);
    EXPECT_FALSE(comparison.thenParamEnabled);
    EXPECT_TRUE(comparison.elseParamEnabled);
    EXPECT_TRUE(comparison.comparisonShown);
    EXPECT_FALSE(comparison.parametersShown);

    const RuleEditorEnabling received = EnablingFor(0x0100, 0x05, 0x03);
    EXPECT_TRUE(received.thenParamEnabled);
    EXPECT_FALSE(received.elseParamEnabled);
    EXPECT_FALSE(received.comparisonShown);
    EXPECT_FALSE(received.parametersShown);

    const RuleEditorEnabling connection = EnablingFor(0x1800, 0x09, 0x09);
    EXPECT_FALSE(connection.comparisonShown);
    EXPECT_TRUE(connection.parametersShown);
    EXPECT_EQ(connection.parameterLabels[0], "Mask:");
    EXPECT_EQ(connection.parameterLabels[1], "");
    EXPECT_EQ(connection.parameterEnabled, (std::array<bool, 4>{true, false, false, false}));

    const RuleEditorEnabling population = EnablingFor(0x1900, 0x09, 0x09);
    EXPECT_TRUE(population.parametersShown);
    EXPECT_EQ(population.parameterLabels[0], "Key Group:");
    EXPECT_EQ(population.parameterLabels[1], "Minimum Population:");
    EXPECT_EQ(population.parameterLabels[2], "Maximum Population:");
    EXPECT_EQ(population.parameterEnabled, (std::array<bool, 4>{true, true, true, false}));
}

} // namespace
