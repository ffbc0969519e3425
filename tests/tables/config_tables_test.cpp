// The mechanisms the four tables share, with the tables as data. What each
// table does on its own (which bytes Delete clears, which references an
// exchange renumbers) is tested beside its page.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "config/config_file.h"
#include "pages/masks/mask_editor.h"
#include "pages/priq/priq_editor.h"
#include "pages/qos/qos_editor.h"
#include "pages/rules/rule_editor.h"
#include "support/fresh_image.h"
#include "tables/config_tables.h"

namespace talvex {
namespace {

using testing::FreshImage;

// Marks an entry used by the least its table counts: a lone Else action, a
// lone kept flag bit.
void MarkUsed(ConfigImage& image, TableKind kind, int entry)
{
    const auto e = static_cast<std::size_t>(entry);
    switch (kind) {
    case TableKind::Rules: image.ruleTable[e].elseAction = ACTION_DROP_FRAME; break;
    case TableKind::Masks: image.maskTable[e].flags = 0x0100; break;
    case TableKind::PriQ: image.priQTable[e].flags = 0x0100; break;
    case TableKind::Qos: image.qosTable[e].flags = 0x0002; break;
    }
}

TEST(ConfigTables, AreFoundByTalvexCfgsNamesInTheOrderOfThePages)
{
    struct Row {
        const char* name;
        TableKind kind;
        int count;
        bool moves;
    } const rows[] = {{"rules", TableKind::Rules, 256, true},
                      {"masks", TableKind::Masks, 64, true},
                      {"priq", TableKind::PriQ, 64, false},
                      {"qos", TableKind::Qos, 64, true}};
    ASSERT_EQ(ConfigTables().size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const ConfigTable* table = FindConfigTable(rows[i].name);
        ASSERT_NE(table, nullptr) << rows[i].name;
        EXPECT_EQ(table, ConfigTables()[i]);
        EXPECT_EQ(table, &ConfigTableOf(rows[i].kind));
        EXPECT_EQ(table->kind(), rows[i].kind);
        EXPECT_EQ(table->entryCount(), rows[i].count);
        EXPECT_EQ(table->moves(), rows[i].moves);
    }
    EXPECT_EQ(FindConfigTable("rule"), ConfigTables()[0]);
    EXPECT_EQ(FindConfigTable("mask"), ConfigTables()[1]);
    EXPECT_EQ(FindConfigTable("tables"), nullptr);
}

TEST(ConfigTables, AddTakesTheLowestUnusedEntryAndNothingInAFullTable)
{
    for (const ConfigTable* table : ConfigTables()) {
        auto image = FreshImage();
        EXPECT_EQ(table->firstUnused(*image), 0) << table->facts().listWord;
        for (int entry : {0, 1, 3})
            MarkUsed(*image, table->kind(), entry);
        EXPECT_EQ(table->firstUnused(*image), 2) << table->facts().listWord;
        for (int entry = 0; entry < table->entryCount(); ++entry)
            MarkUsed(*image, table->kind(), entry);
        EXPECT_EQ(table->firstUnused(*image), std::nullopt) << table->facts().listWord;
    }
}

TEST(ConfigTables, DuplicateCopiesAUsedEntryIntoTheLowestUnusedOne)
{
    for (const ConfigTable* table : ConfigTables()) {
        SCOPED_TRACE(table->facts().listWord);
        auto image = FreshImage();
        MarkUsed(*image, table->kind(), 3);
        EXPECT_EQ(table->duplicate(*image, 4), std::nullopt);  // unused: nothing to copy
        EXPECT_EQ(table->duplicate(*image, 3), 0);
        EXPECT_EQ(table->firstUnused(*image), 1);
        for (int entry = 0; entry < table->entryCount(); ++entry)
            MarkUsed(*image, table->kind(), entry);
        EXPECT_EQ(table->duplicate(*image, 3), std::nullopt);  // full
    }
    // The copy is the whole record, but a rule keeps the number stamped
    // into its own slot.
    auto image = FreshImage();
    image->ruleTable[9].elseAction = ACTION_DROP_FRAME;
    image->ruleTable[9].engineLink = 77;
    ConfigTableOf(TableKind::Rules).duplicate(*image, 9);
    RuleRecord expected = image->ruleTable[9];
    expected.ruleNumber = 0;
    EXPECT_EQ(std::memcmp(&image->ruleTable[0], &expected, RECORD_SIZE), 0);
}

TEST(ConfigTables, EditOpensOnlyForOneSelectedLineInsideTheTable)
{
    for (const ConfigTable* table : ConfigTables()) {
        const int last = table->entryCount() - 1;
        EXPECT_EQ(table->decideEdit(-1, 0), EditStep::Nothing);
        EXPECT_EQ(table->decideEdit(last + 1, 1), EditStep::Nothing);
        EXPECT_EQ(table->decideEdit(5, 2), EditStep::SelectCaretOnly);
        EXPECT_EQ(table->decideEdit(5, 1), EditStep::OpenEditor);
        EXPECT_EQ(table->decideEdit(0, 0), EditStep::OpenEditor);
        EXPECT_EQ(table->decideEdit(last, 1), EditStep::OpenEditor);
    }
}

TEST(ConfigTables, UpAndDnStopAtTheEndsWithoutACaretAndOnTheQueues)
{
    for (const ConfigTable* table : ConfigTables()) {
        const int last = table->entryCount() - 1;
        struct Case {
            int caret;
            MoveStep step;
            std::optional<int> neighbour;
        } const cases[] = {
            {1, MoveStep::Up, 0},         {last, MoveStep::Up, last - 1},
            {0, MoveStep::Up, {}},        {last + 1, MoveStep::Up, {}},
            {-1, MoveStep::Up, {}},
            {0, MoveStep::Down, 1},       {last - 1, MoveStep::Down, last},
            {last, MoveStep::Down, {}},   {-1, MoveStep::Down, {}},
        };
        for (const Case& c : cases) {
            const auto expected = table->moves() ? c.neighbour : std::nullopt;
            EXPECT_EQ(table->neighbour(c.caret, c.step), expected)
                << table->facts().listWord << " caret " << c.caret;
        }
    }
}

TEST(ConfigTables, DeleteEmptiesEachSelectedEntryOnceAndSelectsTheLineAfterTheLowest)
{
    for (const ConfigTable* table : ConfigTables()) {
        const int last = table->entryCount() - 1;
        // After the last line the rules select nothing; the others keep the
        // selection as it was.
        const SelectAfter afterLast =
            table->kind() == TableKind::Rules ? SelectAfter::NoLine : SelectAfter::Unchanged;
        struct Case {
            std::vector<int> selected;
            std::vector<int> emptied;
            SelectAfter select;
            int line;
        } const cases[] = {
            {{}, {}, SelectAfter::OnlyLine, 0},
            {{0}, {0}, SelectAfter::OnlyLine, 1},
            {{7, 3, 40}, {40, 7, 3}, SelectAfter::OnlyLine, 4},
            {{5, 5}, {5}, SelectAfter::OnlyLine, 6},
            {{last}, {last}, afterLast, 0},
            {{last, last - 1}, {last, last - 1}, SelectAfter::OnlyLine, last},
            {{0, last, 12}, {last, 12, 0}, SelectAfter::OnlyLine, 1},
        };
        for (const Case& c : cases) {
            auto image = FreshImage();
            for (int entry = 0; entry <= last; ++entry)
                MarkUsed(*image, table->kind(), entry);
            const DeleteResult result = table->deleteEntries(*image, c.selected);
            EXPECT_EQ(result, (DeleteResult{c.emptied, c.select, c.line})) << table->facts().listWord;
            std::vector<int> unused;
            for (int entry = 0; entry <= last; ++entry) {
                if (table->lineText(*image, entry).starts_with("{Unused}"))
                    unused.insert(unused.begin(), entry);
            }
            EXPECT_EQ(unused, c.emptied) << table->facts().listWord;
        }
    }
}

TEST(ConfigTables, ListUpdatesAfterTheHooks)
{
    const ListUpdate lines{.allLines = true};
    const ListUpdate fitted{.allLines = true, .fitWidth = true};
    const ListUpdate full{.allLines = true, .fitWidth = true, .caretOnly = true};
    struct Row {
        TableKind kind;
        ListUpdate open, activate, change;
    } const rows[] = {{TableKind::Rules, fitted, fitted, {}},
                      {TableKind::Masks, lines, {}, {}},
                      {TableKind::PriQ, full, {}, full},
                      {TableKind::Qos, lines, {}, {}}};
    for (const Row& row : rows) {
        const ConfigTable& table = ConfigTableOf(row.kind);
        EXPECT_EQ(table.openUpdate(), row.open) << table.facts().listWord;
        EXPECT_EQ(table.activateUpdate(), row.activate) << table.facts().listWord;
        EXPECT_EQ(table.changeUpdate(), row.change) << table.facts().listWord;
    }
}

TEST(ConfigTablesDeathTest, AnEntryOutsideTheTableStopsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto image = FreshImage();
    for (const ConfigTable* table : ConfigTables()) {
        const int count = table->entryCount();
        for (const int outside : {-1, count}) {
            EXPECT_DEATH(table->deleteEntries(*image, std::vector<int>{3, outside}),
                         "broken precondition");
            EXPECT_DEATH(table->lineText(*image, outside), "broken precondition");
            if (table->moves()) {
                EXPECT_DEATH(table->exchange(*image, count - 1, outside), "broken precondition");
            }
        }
    }
    EXPECT_DEATH(ConfigTableOf(TableKind::PriQ).exchange(*image, 0, 1), "broken precondition");
    EXPECT_DEATH(RuleEditorSession(image->ruleTable, 256), "broken precondition");
    EXPECT_DEATH(MaskEditorSession(image->maskTable, -1), "broken precondition");
    EXPECT_DEATH(PriQEditorSession(image->priQTable, 64), "broken precondition");
    EXPECT_DEATH(QosEditorSession(image->qosTable, -1), "broken precondition");
}

// The one editing session of the four editors: the table each edits, with
// entry 5 ready for an OK without edits, and a field OK cannot read.
struct RuleSessionKind {
    using Session = RuleEditorSession;
    static RuleTable& Table(ConfigImage& image) { return image.ruleTable; }
    static void Spoil(RuleEditorFields& fields) { fields.thenParam = "x"; }
};
struct MaskSessionKind {
    using Session = MaskEditorSession;
    static MaskTable& Table(ConfigImage& image)
    {
        image.maskTable[5].srcLength = 1;  // OK wants a mask byte
        image.maskTable[5].srcMask[0] = 0xFF;
        return image.maskTable;
    }
    static void Spoil(MaskEditorFields& fields) { fields.ttl = "x"; }
};
struct PriQSessionKind {
    using Session = PriQEditorSession;
    static PriQTable& Table(ConfigImage& image) { return image.priQTable; }
    static void Spoil(PriQEditorFields& fields) { fields.qos = "x"; }
};
struct QosSessionKind {
    using Session = QosEditorSession;
    static QosTable& Table(ConfigImage& image) { return image.qosTable; }
    static void Spoil(QosEditorFields& fields) { fields.rate = "x"; }
};

template <typename Kind>
class EditorSessionTest : public ::testing::Test {};
using SessionKinds = ::testing::Types<RuleSessionKind, MaskSessionKind, PriQSessionKind,
                                      QosSessionKind>;
TYPED_TEST_SUITE(EditorSessionTest, SessionKinds);

TYPED_TEST(EditorSessionTest, EveryEndingButOkGivesTheOpenedRecordBack)
{
    using Session = typename TypeParam::Session;
    auto image = FreshImage();
    auto& table = TypeParam::Table(*image);
    const auto before = table;
    {
        Session session(table, 5);
        EXPECT_NE(std::memcmp(&table[5], &before[5], RECORD_SIZE), 0);  // the defaults
        auto fields = session.openingFields();
        TypeParam::Spoil(fields);
        EXPECT_FALSE(session.accept(fields));
        EXPECT_TRUE(session.isOpen());
    }  // closed without OK
    EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0);
    {
        Session session(table, 5);
        session.cancel();
        session.cancel();
        EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0);
        EXPECT_FALSE(session.accept(session.openingFields()));
        EXPECT_EQ(std::memcmp(&table, &before, sizeof table), 0);
    }
}

TYPED_TEST(EditorSessionTest, OkStandsWhateverComesAfter)
{
    using Session = typename TypeParam::Session;
    auto image = FreshImage();
    auto& table = TypeParam::Table(*image);
    auto accepted = table;
    {
        Session session(table, 5);
        EXPECT_EQ(session.entryNumber(), 5);
        ASSERT_TRUE(session.accept(session.openingFields()));
        accepted = table;
        EXPECT_TRUE(session.accept(session.openingFields()));
        session.cancel();
        EXPECT_TRUE(session.isAccepted());
    }
    EXPECT_EQ(std::memcmp(&table, &accepted, sizeof table), 0);
    EXPECT_TRUE(table[5].isUsed());
}

} // namespace
} // namespace talvex
