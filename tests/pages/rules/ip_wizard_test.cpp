#include <gtest/gtest.h>

#include "pages/rules/ip_wizard.h"

using namespace talvex;

namespace {

IpWizardFields Checked(std::initializer_list<std::pair<int, const char*>> values)
{
    IpWizardFields fields;
    for (const auto& [field, text] : values) {
        fields.checked[static_cast<std::size_t>(field)] = true;
        fields.texts[static_cast<std::size_t>(field)] = text;
    }
    return fields;
}

struct GenerationCase {
    const char* what;
    IpWizardFields fields;
    std::string offset;
    std::string data;
    std::string mask;
    bool ok = true;  // false: a checked field holds no accepted value
};

class IpWizardGeneration : public ::testing::TestWithParam<GenerationCase> {};

TEST_P(IpWizardGeneration, GivesOffsetDataAndMask)
{
    const GenerationCase& c = GetParam();
    const WizardOutput out = GenerateIpPattern(c.fields);
    EXPECT_EQ(out.results, (c.ok ? PatternTexts{c.data, c.mask, c.offset}
                                 : PatternTexts{"", "", c.offset})) << c.what;
    EXPECT_EQ(out.display, (WizardDisplay{c.offset, c.data, c.mask})) << c.what;
    EXPECT_EQ(out.okEnabled, c.ok) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Fields, IpWizardGeneration,
    ::testing::Values(
        GenerationCase{"protocol only", Checked({{IP_PROTOCOL, "6"}}), "9", "06", "FF"},
        GenerationCase{"protocol and destination port",
                       Checked({{IP_PROTOCOL, "17"}, {IP_DEST_PORT, "53"}}), "9",
                       "11.00.00.00.00.00.00.00.00.00.00.00.00.00.35",
                       "FF.00.00.00.00.00.00.00.00.00.00.00.00.FF.FF"},
        GenerationCase{"TOS is the value itself", Checked({{IP_TOS, "46"}}), "1", "2E", "FF"},
        GenerationCase{"length high byte first", Checked({{IP_LENGTH, " 1500 bytes"}}), "2",
                       "05.DC", "FF.FF"},
        GenerationCase{"address of a class A net", Checked({{IP_SOURCE, "10.0.0.0"}}), "12",
                       "0A.00.00.00", "FF.00.00.00"},
        GenerationCase{"address with all parts", Checked({{IP_SOURCE, "10.1.0.5"}}), "12",
                       "0A.01.00.05", "FF.FF.FF.FF"},
        GenerationCase{"address ending in zero", Checked({{IP_SOURCE, "10.0.5.0"}}), "12",
                       "0A.00.05.00", "FF.FF.FF.00"},
        GenerationCase{"address with missing parts", Checked({{IP_DEST, "192.168"}}), "16",
                       "C0.A8.00.00", "FF.FF.00.00"},
        GenerationCase{"address out of range", Checked({{IP_SOURCE, "300.1.1.1"}}), "12",
                       "00.00.00.00", "00.00.00.00", false},
        GenerationCase{"number out of range still counts", Checked({{IP_TOS, "64"}}), "1", "00",
                       "00", false},
        GenerationCase{"negative number is not accepted",
                       Checked({{IP_PROTOCOL, "-6"}, {IP_SOURCE, "1.2.3.4"}}), "9",
                       "00.00.00.01.02.03.04", "00.00.00.FF.FF.FF.FF", false},
        GenerationCase{"unchecked field between checked ones is zero",
                       Checked({{IP_SOURCE_PORT, "80"}, {IP_DEST_PORT, "8080"}}), "20",
                       "00.50.1F.90", "FF.FF.FF.FF"},
        GenerationCase{"sixteen bytes fit",
                       Checked({{IP_TOS, "1"}, {IP_SOURCE, "1.1.1.1"}}), "1",
                       "01.00.00.00.00.00.00.00.00.00.00.01.01.01.01",
                       "FF.00.00.00.00.00.00.00.00.00.00.FF.FF.FF.FF"}));

TEST(IpWizard, NoBoxCheckedAsksForBoxesAndDisablesOk)
{
    IpWizardFields fields;
    fields.texts[IP_PROTOCOL] = "6";
    const WizardOutput out = GenerateIpPattern(fields);
    EXPECT_EQ(out.display, (WizardDisplay{"0", "Use CheckBoxes To Select Items To Test.",
                                          "Enter Data To Match In The Data Fields."}));
    EXPECT_EQ(out.results, (PatternTexts{"", "", "0"}));
    EXPECT_FALSE(out.okEnabled);
}

TEST(IpWizard, MoreThanSixteenBytesAreRefused)
{
    const WizardOutput out = GenerateIpPattern(Checked({{IP_TOS, "1"}, {IP_DEST, "1.2.3.4"}}));
    EXPECT_EQ(out.display, (WizardDisplay{"1", "Compare Too Long!  Select Less Items.",
                                          "Or Use Two Rules To Test All Of Them."}));
    EXPECT_EQ(out.results, (PatternTexts{"", "", "1"}));
    EXPECT_FALSE(out.okEnabled);
}

TEST(IpWizard, LoadFillsFieldsAndRegeneratesTheSameTexts)
{
    const PatternTexts given{"0A.00.00.00", "FF.00.00.00", "12"};
    const IpWizardState state = OpenIpWizard(given);
    ASSERT_TRUE(state.loaded);
    EXPECT_TRUE(state.fields.checked[IP_SOURCE]);
    EXPECT_EQ(state.fields.texts[IP_SOURCE], "10.0.0.0");
    EXPECT_EQ(state.output.results, given);
}

TEST(IpWizard, LoadWalksEveryFieldAndChecksByTheFirstMaskByte)
{
    const PatternTexts given{"11.00.00.C0.A8.01.02.00.00.00.00.00.00.00.35",
                             "FF.00.00.FF.FF.FF.FF.00.00.00.00.00.00.FF.FF", "9"};
    const IpWizardState state = OpenIpWizard(given);
    ASSERT_TRUE(state.loaded);
    EXPECT_EQ(state.fields.texts[IP_PROTOCOL], "17");
    EXPECT_EQ(state.fields.texts[IP_SOURCE], "192.168.1.2");
    EXPECT_EQ(state.fields.texts[IP_DEST], "0.0.0.0");
    EXPECT_EQ(state.fields.texts[IP_SOURCE_PORT], "0");
    EXPECT_EQ(state.fields.texts[IP_DEST_PORT], "53");
    EXPECT_EQ(state.fields.checked,
              (std::array<bool, 7>{false, false, true, true, false, false, true}));
    EXPECT_EQ(state.output.results, given);
}

TEST(IpWizard, LoadOfLengthAndTos)
{
    const IpWizardState state = OpenIpWizard({"2E.05.DC", "FF.FF.FF", "1"});
    ASSERT_TRUE(state.loaded);
    EXPECT_EQ(state.fields.texts[IP_TOS], "46");
    EXPECT_EQ(state.fields.texts[IP_LENGTH], "1500");
    EXPECT_EQ(state.output.results, (PatternTexts{"2E.05.DC", "FF.FF.FF", "1"}));
}

TEST(IpWizard, LoadSkipsBytesThatDoNotFormAWholeField)
{
    // Position 11 is skipped; at 12 only one byte is left for Source IP.
    const IpWizardState state = OpenIpWizard({"01.02", "FF.FF", "11"});
    ASSERT_TRUE(state.loaded);
    EXPECT_EQ(state.fields.checked, (std::array<bool, 7>{}));
    EXPECT_EQ(state.fields.texts[IP_SOURCE], "");
    EXPECT_FALSE(state.output.okEnabled);
    EXPECT_EQ(state.output.display.data, "Use CheckBoxes To Select Items To Test.");
}

TEST(IpWizard, LoadAtANegativeOffsetFindsFieldsFurtherOn)
{
    const IpWizardState state = OpenIpWizard({"00.00.06", "00.00.FF", "-1"});
    ASSERT_TRUE(state.loaded);  // positions -1 and 0 skipped, TOS at 1
    EXPECT_TRUE(state.fields.checked[IP_TOS]);
    EXPECT_EQ(state.fields.texts[IP_TOS], "6");
    EXPECT_EQ(state.output.results, (PatternTexts{"06", "FF", "1"}));
}

struct FailedLoadCase {
    const char* what;
    PatternTexts given;
};

class IpWizardFailedLoad : public ::testing::TestWithParam<FailedLoadCase> {};

TEST_P(IpWizardFailedLoad, ShowsWhyAndReturnsTheGivenTextsUnchanged)
{
    const FailedLoadCase& c = GetParam();
    const IpWizardState state = OpenIpWizard(c.given);
    EXPECT_FALSE(state.loaded) << c.what;
    EXPECT_EQ(state.fields.checked, (std::array<bool, 7>{})) << c.what;
    EXPECT_EQ(state.output.display.data, "Could Not Parse Current Mask Data From Rule.");
    EXPECT_EQ(state.output.display.mask, "It May Not Be Properly Formatted Or Was Empty.");
    EXPECT_EQ(state.output.results, c.given) << c.what;
    EXPECT_TRUE(state.output.okEnabled) << c.what;
    EXPECT_FALSE(state.output.generated) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IpWizardFailedLoad,
    ::testing::Values(
        FailedLoadCase{"sixteen bytes", {"00.01.02.03.04.05.06.07.08.09.0A.0B.0C.0D.0E.0F",
                                         "FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF.FF", "1"}},
        FailedLoadCase{"empty mask", {"08.00", "", "12"}},
        FailedLoadCase{"empty data", {"", "", "0"}},
        FailedLoadCase{"mask count differs", {"08.00", "FF", "12"}},
        FailedLoadCase{"offset not a number", {"08", "FF", "x"}}));

} // namespace
