#include <gtest/gtest.h>

#include "pages/rules/rule_line.h"
#include "rule_builders.h"

using namespace talvex;
using talvex::testing::ActionRule;
using talvex::testing::ComparisonRule;
using talvex::testing::SetBytes;

namespace {

TEST(RuleLine, UnusedSlotShowsItsNumberWithThreeDigits)
{
    RuleRecord rule{};
    SetBytes(rule.patternData, {0x41, 0x42});
    rule.thenParam = 9;
    EXPECT_EQ(RuleLineText(rule, 7), "{Unused} #007");
    EXPECT_EQ(RuleLineText(rule, 255), "{Unused} #255");
}

TEST(RuleLine, SlotWithOnlyAnElseActionIsARule)
{
    RuleRecord rule{};
    rule.elseAction = ACTION_DROP_FRAME;
    EXPECT_EQ(RuleLineText(rule, 0),
              "Rule #000: ...If Data @ Offset 0 == \"\" Then  Else Drop Frame ");
}

TEST(RuleLine, ComparisonWithMaskAndParameterisedThen)
{
    RuleRecord rule = ComparisonRule(BASE_FRAGS, 0x0000, 12, {0x0A, 0x00, 0x00, 0x01},
                                     {0xFF, 0xFF, 0x00, 0x00});
    rule.thenAction = ACTION_QOS;
    rule.thenParam = 5;
    EXPECT_EQ(RuleLineText(rule, 3),
              "Rule #003: ...If Data @ Offset 12 == 0A.00.00.01 Mask FF.FF.00.00 Then QoS... 5 "
              "Else Forward Frame ");
}

struct PatternCase {
    std::vector<std::uint8_t> data;
    std::vector<std::uint8_t> mask;
    const char* expected;
};

class RulePatternText : public ::testing::TestWithParam<PatternCase> {};

TEST_P(RulePatternText, ShowsPrintableDottedAndMaskParts)
{
    const PatternCase& c = GetParam();
    const RuleRecord rule = ComparisonRule(BASE_RAW, 0x1300, -2, c.data, c.mask);
    EXPECT_EQ(RuleLineText(rule, 1),
              std::string("Rule #001: ...If Data @ Offset -2 >= ") + c.expected
                  + "Then Next Rule Else Forward Frame ");
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, RulePatternText,
    ::testing::Values(PatternCase{{0x41, 0x42, 0x43, 0x44}, {0xFF, 0xFF, 0xFF, 0xFF}, "\"ABCD\" "},
                      PatternCase{{0x41, 0x42, 0x0A, 0x44}, {0xFF, 0xFF, 0xFF, 0xFF},
                                  "41.42.0A.44 "},
                      PatternCase{{0x20, 0x7E}, {0xFF, 0x0F}, "\" ~\" Mask FF.0F "},
                      PatternCase{{0x7F}, {0xFF}, "7F "},
                      PatternCase{{0x9C}, {0x00}, "9C Mask 00 "},
                      PatternCase{{}, {}, "\"\" "}));

TEST(RuleLine, ParameterShownOnlyForActionsThatTakeOne)
{
    const RuleRecord rule = ActionRule(ACTION_DROP_FRAME, 17, ACTION_GOTO_RULE, -1);
    EXPECT_EQ(RuleLineText(rule, 2),
              "Rule #002: ...If Data @ Offset 0 == \"\" Then Drop Frame Else Goto Rule... -1 ");
}

TEST(RuleLine, UnknownActionCodeGivesNeitherNameNorParameter)
{
    // 0x06 has no row; 0x31 is "QoS..." (0x11) with a high bit set.
    const RuleRecord rule = ActionRule(0x06, 4, 0x31, 8);
    EXPECT_EQ(RuleLineText(rule, 2),
              "Rule #002: ...If Data @ Offset 0 == \"\" Then  Else QoS... 8 ");
}

TEST(RuleLine, OperatorLookedUpWithoutTheHighBitsOfByteFive)
{
    RuleRecord rule = ComparisonRule(BASE_ECB, 0x1500, 16, {0x01}, {0xFF});
    rule.condition |= 0xE0;
    EXPECT_EQ(RuleLineText(rule, 9),
              "Rule #009: ...If Data @ Offset 16 !? 01 Then Next Rule Else Forward Frame ");
}

TEST(RuleLine, StoredLengthOutsideThePatternStaysWithinItsSixteenBytes)
{
    RuleRecord rule = ComparisonRule(BASE_RAW, 0x0000, 0, {}, {});
    rule.patternData.fill(0x41);
    rule.patternMask.fill(0x00);
    rule.patternLength = 200;
    EXPECT_EQ(RuleLineText(rule, 4),
              "Rule #004: ...If Data @ Offset 0 == \"AAAAAAAAAAAAAAAA\" "
              "Mask 00.00.00.00.00.00.00.00.00.00.00.00.00.00.00.00 "
              "Then Next Rule Else Forward Frame ");
    rule.patternLength = -3;
    EXPECT_EQ(RuleLineText(rule, 4),
              "Rule #004: ...If Data @ Offset 0 == \"\" Then Next Rule Else Forward Frame ");
}

struct ConditionCase {
    std::uint8_t condition;
    const char* expected;
};

class RuleConditionText : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(RuleConditionText, NamesTheKindAndItsParameters)
{
    RuleRecord rule = ActionRule(ACTION_NEXT_RULE, 0, ACTION_DROP_FRAME, 0);
    rule.condition = GetParam().condition;
    // P1 = 7, P2 = 100, P3 = 5000, P4 = 1.
    SetBytes(rule.patternData, {7, 0, 0, 0, 100, 0, 0, 0, 0x88, 0x13, 0, 0, 1, 0, 0, 0});
    EXPECT_EQ(RuleLineText(rule, 5), std::string("Rule #005: ...If ") + GetParam().expected
                                         + "Then Next Rule Else Drop Frame ");
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, RuleConditionText,
    ::testing::Values(ConditionCase{0x01, "Received "}, ConditionCase{0x11, "Sent "},
                      ConditionCase{0x08, "Connection Already Exists (Mask 7) "},
                      ConditionCase{0x18, "Connection Is New / Unknown (Mask 7) "},
                      ConditionCase{0x09, "Key Grp Population In Range (Key Group 7, 100 - 5000) "},
                      ConditionCase{0x19,
                                    "Key Grp Population Not In Range (Key Group 7, 100 - 5000) "},
                      ConditionCase{0x06, "Condition 0x06 "}));

} // namespace
