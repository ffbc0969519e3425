#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "pages/rules/rule_config_table.h"
#include "rule_builders.h"

using namespace talvex;
using talvex::testing::ActionRule;
using talvex::testing::SetBytes;

namespace {

// Every byte of every record different, so misplaced bytes show.
RuleTable PatternedTable()
{
    RuleTable table{};
    std::uint8_t next = 1;
    for (RuleRecord& rule : table) {
        for (std::uint8_t& b : RecordBytes(rule))
            b = next++;
    }
    return table;
}

TEST(RuleTable, OpeningThePageStampsEachSlotNumberIntoNumberAndIndexOnly)
{
    auto image = std::make_unique<ConfigImage>();
    RuleTable& table = image->ruleTable;
    table = PatternedTable();
    const RuleTable before = table;
    RuleConfigTable().deriveOnOpen(*image);
    for (int s = 0; s < RULE_COUNT; ++s) {
        const auto& rule = table[static_cast<std::size_t>(s)];
        EXPECT_EQ(rule.ruleNumber, s);
        EXPECT_EQ(rule.ruleIndex, s);
        const auto now = RecordBytes(rule);
        const auto was = RecordBytes(before[static_cast<std::size_t>(s)]);
        EXPECT_TRUE(std::equal(now.begin() + 4, now.end(), was.begin() + 4));
    }
}

TEST(RuleTable, LowestUnusedLooksAtBytesFourToSevenOnly)
{
    auto image = std::make_unique<ConfigImage>();
    RuleTable& table = image->ruleTable;
    for (auto& rule : table)
        rule.elseAction = ACTION_DROP_FRAME;
    table[200].setCodeWord(0);
    table[200].patternData.fill(0x55);
    table[200].offset = 3;
    table[90].setCodeWord(0);
    EXPECT_EQ(RuleConfigTable().firstUnused(*image), 90);
}

TEST(RuleTable, DeleteClearsExactlyTheOwnedBytes)
{
    auto image = std::make_unique<ConfigImage>();
    RuleTable& table = image->ruleTable;
    table = PatternedTable();
    const RuleTable before = table;
    const std::vector<int> selected{7, 3};
    EXPECT_EQ(RuleConfigTable().deleteEntries(*image, selected).line, 4);

    for (int s : selected) {
        const auto now = RecordBytes(table[static_cast<std::size_t>(s)]);
        const auto was = RecordBytes(before[static_cast<std::size_t>(s)]);
        EXPECT_EQ(table[static_cast<std::size_t>(s)].ruleNumber, s);
        for (std::size_t i = 2; i < 64; ++i) {
            const bool cleared = (i < 26) || (i >= 28 && i < 32);
            EXPECT_EQ(now[i], cleared ? 0 : was[i]) << "slot " << s << " byte " << i;
        }
    }
    for (int s = 0; s < RULE_COUNT; ++s) {
        if (s == 3 || s == 7)
            continue;
        const auto now = RecordBytes(table[static_cast<std::size_t>(s)]);
        const auto was = RecordBytes(before[static_cast<std::size_t>(s)]);
        EXPECT_TRUE(std::equal(now.begin(), now.end(), was.begin())) << "slot " << s;
    }
}

TEST(RuleTable, ExchangeMovesRuleReferencesAndSwapsRecords)
{
    auto image = std::make_unique<ConfigImage>();
    RuleTable& table = image->ruleTable;
    StampRuleNumbers(table);
    table[10] = ActionRule(ACTION_DROP_FRAME, 0, ACTION_FORWARD_FRAME, 0);
    table[10].ruleNumber = 10;
    table[11] = ActionRule(ACTION_NEXT_RULE, 0, ACTION_FORWARD_FRAME, 0);
    table[11].ruleNumber = 11;
    table[20] = ActionRule(ACTION_GOTO_RULE, 10, ACTION_GOTO_RULE, 12);
    table[30] = ActionRule(ACTION_QOS, 10, ACTION_GOTO_SEQUENCE, 11);
    table[40] = ActionRule(0x25, 10, 0x24, 11);  // high bit set: no reference
    table[50].thenAction = ACTION_GOTO_RULE;       // unused slots are renumbered too
    table[50].thenParam = 11;
    image->maskTable[3].defaultAction = ACTION_GOTO_RULE;  // masks follow too
    image->maskTable[3].defaultParam = 10;
    const RuleRecord ten = table[10];
    const RuleRecord eleven = table[11];

    const RewrittenEntries changed = RuleConfigTable().exchange(*image, 10, 11);

    EXPECT_EQ(table[20].thenParam, 11);
    EXPECT_EQ(table[20].elseParam, 12);
    EXPECT_EQ(table[30].thenParam, 10);
    EXPECT_EQ(table[30].elseParam, 10);
    EXPECT_EQ(table[40].thenParam, 10);
    EXPECT_EQ(table[40].elseParam, 11);
    EXPECT_EQ(table[50].thenParam, 10);
    EXPECT_EQ(table[10].ruleNumber, 11);
    EXPECT_EQ(table[11].ruleNumber, 10);
    EXPECT_EQ(table[10].thenAction, eleven.thenAction);
    EXPECT_EQ(table[11].thenAction, ten.thenAction);
    EXPECT_EQ(image->maskTable[3].defaultParam, 11);
    EXPECT_EQ(changed.of(TableKind::Rules),
              RewrittenEntries::Entries().set(10).set(11).set(20).set(30).set(50));
    EXPECT_EQ(changed.of(TableKind::Masks), RewrittenEntries::Entries().set(3));
}

TEST(RuleTable, ExchangedRulesReferringToEachOtherKeepPointingAtEachOther)
{
    auto image = std::make_unique<ConfigImage>();
    RuleTable& table = image->ruleTable;
    table[4] = ActionRule(ACTION_GOTO_RULE, 5, ACTION_GOTO_SEQUENCE, 4);
    table[5] = ActionRule(ACTION_GOTO_RULE, 4, ACTION_FORWARD_FRAME, 4);
    RuleConfigTable().exchange(*image, 4, 5);
    // The rule now in 5 pointed at 5 (now 4) and at itself (now 5).
    EXPECT_EQ(table[5].thenParam, 4);
    EXPECT_EQ(table[5].elseParam, 5);
    EXPECT_EQ(table[4].thenParam, 5);
    EXPECT_EQ(table[4].elseParam, 4);  // Forward Frame: no reference
}

} // namespace
