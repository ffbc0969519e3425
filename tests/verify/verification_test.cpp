#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "config/config_file.h"
#include "verify/finding_entry.h"
#include "verify/verification.h"

namespace talvex {
namespace {

// The findings of each pass, joined into the full report text.
struct Findings {
    std::string rules;
    std::string masks;
    std::string priQRefs;
    std::string structure;
    std::string flags;
    int count = 0;
};

std::string ExpectedReport(const Findings& f)
{
    std::string text = "Checking Rules For Bad References...\r\n\r\n" + f.rules
        + "\r\nChecking Address Masks For Bad References...\r\n\r\n" + f.masks
        + "\r\nChecking Priority Queues For Bad References...\r\n\r\n" + f.priQRefs
        + "\r\nChecking Priority Queue Structure...\r\n\r\n" + f.structure
        + "\r\nChecking For Invalid Flags...\r\n\r\n" + f.flags;
    if (f.count > 0)
        text += "\r\n" + std::to_string(f.count)
            + " Error(s) Found!  This Configuration Is NOT Valid!\r\n";
    else
        text += "\r\nConfig Passes Validation Tests.";
    return text;
}

ConfigImage NewImage()
{
    ConfigImage image;
    ResetTables(image);
    return image;
}

void UseRule(ConfigImage& image, int r)
{
    // Defined, RAW, "==", both actions none: in use and naming nothing.
    image.ruleTable[static_cast<std::size_t>(r)].setCodeWord(NEW_RULE_DEFAULT & 0x0000FFFF);
}
void UseQos(ConfigImage& image, int q) { image.qosTable[static_cast<std::size_t>(q)].flags = 0x0011; }
void UseMask(ConfigImage& image, int m)
{
    image.maskTable[static_cast<std::size_t>(m)].flags = MASK_IN_USE;
    image.maskTable[static_cast<std::size_t>(m)].qosNode = 0;
}
void UsePriQ(ConfigImage& image, int e, std::uint16_t flags = PQ_IN_USE | PQ_START | PQ_END)
{
    image.priQTable[static_cast<std::size_t>(e)].flags = flags;
    image.priQTable[static_cast<std::size_t>(e)].qosNode = 0;
}

// Rule 10 in use with the given action on one side; the other side forwards.
void SetAction(ConfigImage& image, bool thenSide, std::uint8_t action, std::int16_t param)
{
    RuleRecord& rule = image.ruleTable[10];
    rule.ruleFlags = RULE_DEFINED;
    rule.thenAction = ACTION_FORWARD_FRAME;
    rule.elseAction = ACTION_FORWARD_FRAME;
    if (thenSide) {
        rule.thenAction = action;
        rule.thenParam = param;
    } else {
        rule.elseAction = action;
        rule.elseParam = param;
    }
}

void ExpectReport(const ConfigImage& image, const Findings& f)
{
    std::string report = "old content";
    EXPECT_EQ(VerifyConfiguration(image, report), f.count > 0);
    EXPECT_EQ(report, ExpectedReport(f));
}

TEST(VerifyConfiguration, NewImagePassesWithFiveHeadingsAndTheClosingLine)
{
    const ConfigImage image = NewImage();
    std::string report;
    EXPECT_FALSE(VerifyConfiguration(image, report));
    EXPECT_EQ(report,
              "Checking Rules For Bad References...\r\n\r\n"
              "\r\nChecking Address Masks For Bad References...\r\n\r\n"
              "\r\nChecking Priority Queues For Bad References...\r\n\r\n"
              "\r\nChecking Priority Queue Structure...\r\n\r\n"
              "\r\nChecking For Invalid Flags...\r\n\r\n"
              "\r\nConfig Passes Validation Tests.");
}

struct TargetCase {
    const char* name;
    std::uint8_t action;
    std::int16_t param;
    bool thenSide;
    bool targetUsed;
    const char* line;  // the finding for rule 10, or "" for none
};

class RuleTargetChecks : public ::testing::TestWithParam<TargetCase> {};

TEST_P(RuleTargetChecks, ReportRangeAndEmptinessOnBothSides)
{
    const TargetCase& c = GetParam();
    ConfigImage image = NewImage();
    SetAction(image, c.thenSide, c.action, c.param);
    if (c.targetUsed && c.param >= 0 && c.param < 64) {
        switch (c.action) {
        case ACTION_GOTO_RULE:
        case ACTION_GOTO_SEQUENCE: UseRule(image, c.param); break;
        case ACTION_QOS: UseQos(image, c.param); break;
        case ACTION_PRIORITY_QUEUE: UsePriQ(image, c.param); break;
        default: UseMask(image, c.param); break;
        }
        if (c.action == ACTION_PRIORITY_QUEUE || c.action == ACTION_ADDRESS_MASK
            || c.action == ACTION_AUDIT_FORWARD)
            UseQos(image, 0);
    }
    const std::string line = c.line;
    ExpectReport(image, {line, "", "", "", "", line.empty() ? 0 : 1});
}

INSTANTIATE_TEST_SUITE_P(
    Targets, RuleTargetChecks,
    ::testing::Values(
        TargetCase{"GotoRuleUsed", 0x05, 20, true, true, ""},
        TargetCase{"GotoRuleEmpty", 0x05, 20, true, false, "Rule 10 Then Action: Rule 20 Empty\r\n"},
        TargetCase{"GotoRule255", 0x05, 255, true, false,
                   "Rule 10 Then Action: Rule 255 Out Of Range\r\n"},
        TargetCase{"GotoSeqMinus1Else", 0x04, -1, false, false,
                   "Rule 10 Else Action: Rule -1 Out Of Range\r\n"},
        TargetCase{"GotoSeqEmptyElse", 0x04, 254, false, false,
                   "Rule 10 Else Action: Rule 254 Empty\r\n"},
        TargetCase{"GotoSelf", 0x05, 10, true, false, ""},
        TargetCase{"QosUsed", 0x11, 5, true, true, ""},
        TargetCase{"QosEmpty", 0x11, 5, true, false, "Rule 10 Then Action: QoS 5 Empty\r\n"},
        TargetCase{"QosMinus1", 0x11, -1, true, false, "Rule 10 Then Action: QoS -1 Out Of Range\r\n"},
        TargetCase{"QosElseEmpty", 0x11, 63, false, false, "Rule 10 Else Action: QoS 63 Is Empty\r\n"},
        TargetCase{"QosElse64", 0x11, 64, false, false,
                   "Rule 10 Else Action: QoS 64 Is Out Of Range\r\n"},
        TargetCase{"QosElseUsed", 0x11, 0, false, true, ""},
        TargetCase{"PriQUsed", 0x15, 3, true, true, ""},
        TargetCase{"PriQEmpty", 0x15, 3, true, false, "Rule 10 Then Action: PriQ 3 Empty\r\n"},
        TargetCase{"PriQ255", 0x15, 255, true, false, "Rule 10 Then Action: PriQ 255 Out Of Range\r\n"},
        TargetCase{"PriQElseEmpty", 0x15, 0, false, false, "Rule 10 Else Action: PriQ 0 Empty\r\n"},
        TargetCase{"PriQElseMinus1", 0x15, -1, false, false,
                   "Rule 10 Else Action: PriQ -1 Out Of Range\r\n"},
        TargetCase{"MaskUsed", 0x12, 7, true, true, ""},
        TargetCase{"MaskEmpty", 0x12, 7, true, false, "Rule 10 Then Action: Mask 7 Empty\r\n"},
        TargetCase{"AuditMask255", 0x16, 255, true, false,
                   "Rule 10 Then Action: Mask 255 Out Of Range\r\n"},
        TargetCase{"AuditMaskElseEmpty", 0x16, 1, false, false, "Rule 10 Else Action: Mask 1 Empty\r\n"},
        TargetCase{"MaskElseMinus1", 0x12, -1, false, false,
                   "Rule 10 Else Action: Mask -1 Out Of Range\r\n"},
        TargetCase{"MaskElseUsed", 0x16, 2, false, true, ""},
        TargetCase{"GotoWithHighBitIsNoReference", 0x25, -1, true, false, ""},
        TargetCase{"QosWithHighBitIsNoReference", 0xB1, 99, false, false, ""},
        TargetCase{"DelayIsNoReference", 0x10, -1, true, false, ""}),
    [](const ::testing::TestParamInfo<TargetCase>& test) { return std::string(test.param.name); });

TEST(VerifyConfiguration, NextRuleActionsNeedTheFollowingRule)
{
    for (const std::uint8_t action : {ACTION_NEXT_SEQUENCE, ACTION_NEXT_RULE}) {
        ConfigImage image = NewImage();
        SetAction(image, true, action, -1);
        image.ruleTable[10].elseAction = action;
        ExpectReport(image, {"Rule 10 Then Action: Next Rule (11) Empty\r\n"
                             "Rule 10 Else Action: Next Rule (11) Empty\r\n",
                             "", "", "", "", 2});
        UseRule(image, 11);
        ExpectReport(image, {});
    }
}

TEST(VerifyConfiguration, RuleNextOfTheLastRuleIsAlwaysEmpty)
{
    ConfigImage image = NewImage();
    image.ruleTable[255].ruleFlags = RULE_DEFINED;
    image.ruleTable[255].thenAction = ACTION_NEXT_RULE;
    image.ruleTable[255].elseAction = ACTION_NEXT_SEQUENCE;
    UseRule(image, 0);
    ExpectReport(image, {"Rule 255 Then Action: Next Rule (256) Empty\r\n"
                         "Rule 255 Else Action: Next Rule (256) Empty\r\n",
                         "", "", "", "", 2});
}

TEST(VerifyConfiguration, AuditThenNextRuleChecksNextRuleAndMask)
{
    ConfigImage image = NewImage();
    SetAction(image, true, ACTION_AUDIT_NEXT_RULE, 4);
    ExpectReport(image, {"Rule 10 Then Action: Next Rule (11) Empty\r\n"
                         "Rule 10 Then Action: Mask 4 Empty\r\n",
                         "", "", "", "", 2});
}

TEST(VerifyConfiguration, ChecksOfOneRuleComeInTheirFixedOrder)
{
    ConfigImage image = NewImage();
    RuleRecord& rule = image.ruleTable[3];
    rule.ruleFlags = RULE_DEFINED;
    rule.thenAction = ACTION_AUDIT_NEXT_RULE;
    rule.thenParam = 70;
    rule.elseAction = ACTION_GOTO_RULE;
    rule.elseParam = 9;
    ExpectReport(image, {"Rule 3 Else Action: Rule 9 Empty\r\n"
                         "Rule 3 Then Action: Next Rule (4) Empty\r\n"
                         "Rule 3 Then Action: Mask 70 Out Of Range\r\n",
                         "", "", "", "", 3});
}

TEST(VerifyConfiguration, UnusedRulesAreCheckedToo)
{
    ConfigImage image = NewImage();
    image.ruleTable[7].thenAction = ACTION_QOS;
    image.ruleTable[7].thenParam = 1;
    ExpectReport(image, {"Rule 7 Then Action: QoS 1 Empty\r\n", "", "", "",
                         "\r\nRule 7 Is Empty But Has Non-Zero Flags", 2});
}

TEST(VerifyConfiguration, MasksAndPriorityQueuesNameUsedQosNodes)
{
    ConfigImage image = NewImage();
    UseQos(image, 2);
    image.maskTable[0].flags = MASK_IN_USE;
    image.maskTable[0].qosNode = 2;
    image.maskTable[1].flags = MASK_IN_USE;
    image.maskTable[1].qosNode = 3;
    image.maskTable[2].flags = MASK_IN_USE;
    image.maskTable[2].qosNode = -1;
    image.maskTable[3].qosNode = 99;  // empty mask: not checked
    UsePriQ(image, 0);
    image.priQTable[0].qosNode = 2;
    UsePriQ(image, 1);
    image.priQTable[1].qosNode = 64;
    UsePriQ(image, 2);
    image.priQTable[2].qosNode = 5;
    UsePriQ(image, 3);
    image.priQTable[3].qosNode = -70000;
    ExpectReport(image, {"",
                         "Mask 1: QoS 3 Empty\r\nMask 2: QoS -1 Out Of Range\r\n",
                         "PriQ 1: QoS 64 Out Of Range\r\nPriQ 2: QoS 5 Empty\r\n"
                         "PriQ 3: QoS -70000 Out Of Range\r\n",
                         "", "", 5});
}

TEST(VerifyConfiguration, MaskWithOnlyAKeptFlagIsUsedButReportedAsEmptyWithFlags)
{
    ConfigImage image = NewImage();
    image.maskTable[5].flags = MASK_BIDIR_QOS;
    image.maskTable[5].qosNode = 1;
    ExpectReport(image, {"", "Mask 5: QoS 1 Empty\r\n", "", "",
                         "\r\nMask 5 Is Empty But Has Non-Zero Flags", 2});
}

TEST(VerifyConfiguration, AbsentPriorityQueueBlockStillReportsEmptyTargets)
{
    ConfigImage image = NewImage();
    image.priQBlockAbsent = true;
    image.masksBlockAbsent = true;
    SetAction(image, true, ACTION_PRIORITY_QUEUE, 3);
    image.ruleTable[10].elseAction = ACTION_ADDRESS_MASK;
    image.ruleTable[10].elseParam = 0;
    ExpectReport(image, {"Rule 10 Then Action: PriQ 3 Empty\r\n"
                         "Rule 10 Else Action: Mask 0 Empty\r\n",
                         "", "", "", "", 2});
}

struct StructureCase {
    const char* name;
    std::vector<std::uint16_t> flags;  // entries 0, 1, ... (0 = empty)
    std::string findings;
    int count;
};

class PriorityQueueStructure : public ::testing::TestWithParam<StructureCase> {};

TEST_P(PriorityQueueStructure, ReportsBrokenStructures)
{
    const StructureCase& c = GetParam();
    ConfigImage image = NewImage();
    UseQos(image, 0);
    for (std::size_t e = 0; e < c.flags.size(); ++e) {
        image.priQTable[e].flags = c.flags[e];
        image.priQTable[e].qosNode = 0;
    }
    std::string flagsPass;
    int count = c.count;
    for (std::size_t e = 0; e < c.flags.size(); ++e) {
        if (c.flags[e] != 0 && (c.flags[e] & PQ_IN_USE) == 0) {
            flagsPass += "\r\nPriQ " + std::to_string(e) + " Is Empty But Has Non-Zero Flags";
            ++count;
        }
    }
    ExpectReport(image, {"", "", "", c.findings, flagsPass, count});
}

constexpr std::uint16_t S = PQ_IN_USE | PQ_START;
constexpr std::uint16_t M = PQ_IN_USE | PQ_MIDDLE;
constexpr std::uint16_t N = PQ_IN_USE;  // neither start nor end, no middle bit
constexpr std::uint16_t E = PQ_IN_USE | PQ_END;
constexpr std::uint16_t B = PQ_IN_USE | PQ_START | PQ_END;

INSTANTIATE_TEST_SUITE_P(
    Cases, PriorityQueueStructure,
    ::testing::Values(
        StructureCase{"WellFormed", {S, M, N, E, B, 0, S, E}, "", 0},
        StructureCase{"NestedStartsClosed", {S, S, E, E},
                      "PriQ 1: New Q started without ending previous\r\n", 1},
        StructureCase{"ThreeStarts", {S, S, S},
                      "PriQ 1: New Q started without ending previous\r\n"
                      "3 Priority Queue Structure(s) lack Lo Priority levels\r\n",
                      2},
        StructureCase{"EndOnly", {E},
                      "PriQ 0: Q ended without having been started\r\n"
                      "1 Priority Queue Structure(s) lack Hi Priority levels\r\n",
                      2},
        StructureCase{"TwoEnds", {0, E, E},
                      "PriQ 1: Q ended without having been started\r\n"
                      "2 Priority Queue Structure(s) lack Hi Priority levels\r\n",
                      2},
        StructureCase{"MemberBeforeStart", {M, S, E},
                      "PriQ 0: Entry lies outside a valid Queue structure\r\n", 1},
        StructureCase{"MemberInsideNestedStarts", {S, S, M, E, E},
                      "PriQ 1: New Q started without ending previous\r\n"
                      "PriQ 2: Entry lies outside a valid Queue structure\r\n",
                      2},
        StructureCase{"NotInUseIsSkipped", {S, PQ_END | PQ_START, PQ_MIDDLE, E}, "", 0},
        StructureCase{"SingleEntryStructureKeepsDepth", {B, B, M},
                      "PriQ 2: Entry lies outside a valid Queue structure\r\n", 1}),
    [](const ::testing::TestParamInfo<StructureCase>& test) { return std::string(test.param.name); });

TEST(VerifyConfiguration, FlagPassWritesLineBreakFirstLinesInEntryOrder)
{
    ConfigImage image = NewImage();
    image.maskTable[1].flags = 0x0100;
    image.priQTable[1].flags = PQ_START;
    image.ruleTable[1].ruleFlags = RULE_DEFINED | ALWAYS_HIT | ALWAYS_MISS;
    image.ruleTable[1].thenAction = ACTION_FORWARD_FRAME;
    image.ruleTable[200].condition = 0x01;
    image.ruleTable[200].ruleFlags = ALWAYS_MISS;
    image.ruleTable[255].ruleFlags = BASE_FRAGS;
    ExpectReport(image, {"", "Mask 1: QoS 0 Empty\r\n", "PriQ 1: QoS 0 Empty\r\n", "",
                         "\r\nMask 1 Is Empty But Has Non-Zero Flags"
                         "\r\nPriQ 1 Is Empty But Has Non-Zero Flags"
                         "\r\nRule 1 Has ALWAYS_HIT Flag"
                         "\r\nRule 1 Has ALWAYS_MISS Flag"
                         "\r\nRule 200 Is Empty But Has Non-Zero Flags"
                         "\r\nRule 200 Has ALWAYS_MISS Flag"
                         "\r\nRule 255 Is Empty But Has Non-Zero Flags",
                         9});
}

TEST(VerifyConfiguration, QosNodesWithoutAnInUseBitAreNotFlagged)
{
    ConfigImage image = NewImage();
    image.qosTable[4].flags = 0x0002;
    ExpectReport(image, {});
}

TEST(VerifyConfiguration, SameImageGivesTheSameReportEveryTime)
{
    ConfigImage image = NewImage();
    SetAction(image, false, ACTION_QOS, 9);
    std::string first;
    std::string second = "leftover";
    EXPECT_TRUE(VerifyConfiguration(image, first));
    EXPECT_TRUE(VerifyConfiguration(image, second));
    EXPECT_EQ(first, second);
}

TEST(EntryOfFinding, TheEntryAFindingNamesFirst)
{
    struct Row {
        const char* line;
        std::optional<FindingEntry> entry;
    } const rows[] = {
        {"Rule 0 Else Action: Next Rule (1) Empty", FindingEntry{TableKind::Rules, 0}},
        {"Mask 63: QoS 70 Out Of Range", FindingEntry{TableKind::Masks, 63}},
        {"PriQ 3: Entry lies outside a valid Queue structure", FindingEntry{TableKind::PriQ, 3}},
        {"Rule 200 Is Empty But Has Non-Zero Flags", FindingEntry{TableKind::Rules, 200}},
        {"Mask 64: QoS 1 Empty", std::nullopt},
        {"Rule 12x", std::nullopt},
        {"2 Priority Queue Structure(s) lack Lo Priority levels", std::nullopt},
        {"Checking Rules For Bad References...", std::nullopt},
        {"", std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(EntryOfFinding(row.line), row.entry) << row.line;
}

} // namespace
} // namespace talvex
