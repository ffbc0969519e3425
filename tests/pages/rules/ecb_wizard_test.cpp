#include <gtest/gtest.h>

#include "pages/rules/ecb_wizard.h"

using namespace talvex;

namespace {

struct RowCase {
    std::uint32_t code;
    const char* data;
};

class EcbWizardRows : public ::testing::TestWithParam<RowCase> {};

TEST_P(EcbWizardRows, TestSixBytesAtOffsetSixteen)
{
    EcbWizardFields fields;
    fields.checked = true;
    fields.protocol = GetParam().code;
    const WizardOutput out = GenerateEcbPattern(fields);
    EXPECT_EQ(out.results, (PatternTexts{GetParam().data, "FF.FF.FF.FF.FF.FF", "16"}));
    EXPECT_EQ(out.display, (WizardDisplay{"16", GetParam().data, "FF.FF.FF.FF.FF.FF"}));
    EXPECT_TRUE(out.okEnabled);
}

INSTANTIATE_TEST_SUITE_P(Protocols, EcbWizardRows,
                         ::testing::Values(RowCase{0x8137, "00.00.00.00.81.37"},
                                           RowCase{0x0000, "00.00.00.00.00.00"},
                                           RowCase{0x00E0, "00.00.00.00.00.E0"},
                                           RowCase{0x809B, "00.00.00.00.80.9B"}));

TEST(EcbWizard, StartsOnTheFirstRowWithTheBoxCleared)
{
    const EcbWizardFields fields;
    EXPECT_EQ(fields.protocol, 0x8137u);
    EXPECT_FALSE(fields.checked);
}

TEST(EcbWizard, BoxNotCheckedAsksForBoxesAndDisablesOk)
{
    const WizardOutput out = GenerateEcbPattern(EcbWizardFields{});
    EXPECT_EQ(out.display, (WizardDisplay{"0", "Use CheckBoxes To Select Items To Test.",
                                          "Enter Data To Match In The Data Fields."}));
    EXPECT_EQ(out.results, (PatternTexts{"", "", "0"}));
    EXPECT_FALSE(out.okEnabled);
}

TEST(EcbWizard, LoadSelectsTheRowAndRegeneratesTheSameTexts)
{
    const PatternTexts given{"00.00.00.00.08.00", "FF.FF.FF.FF.FF.FF", "16"};
    const EcbWizardState state = OpenEcbWizard(given);
    ASSERT_TRUE(state.loaded);
    EXPECT_TRUE(state.fields.checked);
    EXPECT_EQ(state.fields.protocol, 0x0800u);
    EXPECT_EQ(state.output.results, given);
}

TEST(EcbWizard, LoadIgnoresTheFirstTwoBytes)
{
    const EcbWizardState state =
        OpenEcbWizard({"12.34.00.00.08.06", "FF.FF.FF.FF.FF.FF", "16"});
    EXPECT_EQ(state.fields.protocol, 0x0806u);
    EXPECT_EQ(state.output.results.data, "00.00.00.00.08.06");
}

TEST(EcbWizard, LoadOfAnUnknownCodeKeepsTheFirstRowButFollowsTheMask)
{
    const EcbWizardState state =
        OpenEcbWizard({"00.00.00.00.12.34", "00.FF.FF.FF.FF.FF", "16"});
    ASSERT_TRUE(state.loaded);
    EXPECT_EQ(state.fields.protocol, 0x8137u);
    EXPECT_FALSE(state.fields.checked);
}

TEST(EcbWizard, LoadAfterTheIdentifierStartsFindsNothing)
{
    // Position 15 is skipped; only five bytes are left at 16.
    const EcbWizardState state =
        OpenEcbWizard({"00.00.00.00.08.00", "FF.FF.FF.FF.FF.FF", "15"});
    ASSERT_TRUE(state.loaded);
    EXPECT_FALSE(state.fields.checked);
    EXPECT_EQ(state.fields.protocol, 0x8137u);
    EXPECT_EQ(state.output.display.data, "Use CheckBoxes To Select Items To Test.");
    EXPECT_FALSE(state.output.okEnabled);
}

TEST(EcbWizard, FailedLoadShowsWhyAndReturnsTheGivenTexts)
{
    const PatternTexts given{"00.00.00.00.08.00", "", "16"};
    const EcbWizardState state = OpenEcbWizard(given);
    EXPECT_FALSE(state.loaded);
    EXPECT_FALSE(state.fields.checked);
    EXPECT_EQ(state.output.display.data, "Could Not Parse Current Mask Data From Rule.");
    EXPECT_EQ(state.output.display.mask, "It May Not Be Properly Formatted Or Was Empty.");
    EXPECT_EQ(state.output.results, given);
    EXPECT_TRUE(state.output.okEnabled);
}

} // namespace
