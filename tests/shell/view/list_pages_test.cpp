// What the four table pages share, through their widgets, with the pages as
// data: the list and its hint, Edit with several lines selected, Delete and
// the moves. Which bytes each command changes is the core's, tested there;
// what each page draws or edits on its own is tested beside it.
#include <QListWidget>
#include <QToolTip>
#include <QtTest>

#include "pages/masks/mask_hints.h"
#include "pages/masks/view/masks_page.h"
#include "pages/priq/priq_hints.h"
#include "pages/priq/view/priq_page.h"
#include "pages/qos/qos_hints.h"
#include "pages/qos/view/qos_page.h"
#include "pages/rules/rule_hints.h"
#include "pages/rules/view/rules_page.h"
#include "support/gui_fixture.h"
#include "widgets/view_text.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

template <typename Page>
std::unique_ptr<TableListPage> Make(ShellContext& context)
{
    return std::make_unique<Page>(context);
}

// Marks an entry used the way its table counts it.
void MarkUsed(ConfigImage& image, TableKind table, int entry)
{
    const auto e = static_cast<std::size_t>(entry);
    switch (table) {
    case TableKind::Rules: image.ruleTable[e].setCodeWord(NEW_RULE_DEFAULT); break;
    case TableKind::Masks: image.maskTable[e].flags = MASK_IN_USE; break;
    case TableKind::PriQ: image.priQTable[e].flags = PQ_IN_USE | PQ_START | PQ_END; break;
    case TableKind::Qos: image.qosTable[e].flags = QOS_BY_FRAMES; break;
    }
}

const struct Kind {
    decltype(&Make<CTalvexConfigQos>) make;
    std::string_view hint;
    const char* lastLine;
} KINDS[] = {{Make<CTalvexConfigRules>, RULES_HINT, "{Unused} #255"},
             {Make<CTalvexConfigMasks>, MASK_LIST_HINT, "{Unused} #63"},
             {Make<CTalvexConfigPriQ>, PRIQ_LIST_HINT, "{Unused} #63"},
             {Make<CTalvexConfigQos>, QOS_LIST_HINT, "{Unused} #63"}};

// A page of `kind` on a new image, opened.
struct Page : GuiFixture {
    explicit Page(const Kind& kind) : page(kind.make(context)) { page->activate(); }
    QListWidget& list() const { return page->list(); }
    void click(const char* name) const { Child<QPushButton>(*page, name).click(); }
    std::unique_ptr<TableListPage> page;
};

} // namespace

class ListPagesTest : public QObject {
    Q_OBJECT
private slots:
    void aLineForEveryEntryItsHintAndItsButtons()
    {
        for (const Kind& kind : KINDS) {
            Page p(kind);
            const int count = FactsOf(p.page->table()).entryCount;
            QCOMPARE(p.list().count(), count);
            QCOMPARE(p.list().item(count - 1)->text(), QString(kind.lastLine));
            QCOMPARE(p.list().font().family(), QStringLiteral("Courier New"));
            QCOMPARE(p.list().selectionMode(), QAbstractItemView::ExtendedSelection);
            QCOMPARE(p.list().accessibleName(), p.page->caption());
            const bool moves = p.page->table() != TableKind::PriQ;
            QCOMPARE(p.page->findChild<QPushButton*>("upButton") != nullptr, moves);
            QVERIFY(!p.modified);
            Focus(p.list());
            QCOMPARE(p.hint(), ToQString(kind.hint));
            p.list().item(0)->setText(QString(300, 'x'));  // wider than the list: a tooltip
            const QPoint at(5, 5);
            QHelpEvent help(QEvent::ToolTip, at, p.list().viewport()->mapToGlobal(at));
            QApplication::sendEvent(p.list().viewport(), &help);
            QCOMPARE(QToolTip::text(), p.list().item(0)->text());
        }
    }

    void editWithSeveralLinesSelectedOnlyNarrowsTheSelectionAndDoubleClickEdits()
    {
        for (const Kind& kind : KINDS) {
            Page p(kind);
            Select(p.list(), {1, 4, 9}, 4);
            p.click("editButton");
            QCOMPARE(p.dialogsRun, 0);
            QCOMPARE(SelectedLines(p.list()), QList<int>{4});
            emit p.list().itemDoubleClicked(p.list().item(4));
            QCOMPARE(p.dialogsRun, 1);
        }
    }

    void deleteEmptiesTheSelectedLinesAndSelectsTheLineAfterTheLowest()
    {
        for (const Kind& kind : KINDS) {
            Page p(kind);
            for (int entry : {2, 3, 4})
                MarkUsed(p.image, p.page->table(), entry);
            p.page->renderEntries({2, 3, 4});
            Select(p.list(), {2, 4}, 4);
            p.click("deleteButton");
            QVERIFY(p.list().item(2)->text().startsWith("{Unused}"));
            QVERIFY(!p.list().item(3)->text().startsWith("{Unused}"));
            QVERIFY(p.list().item(4)->text().startsWith("{Unused}"));
            QCOMPARE(SelectedLines(p.list()), QList<int>{3});
            QVERIFY(p.modified);
            p.modified = false;
            p.list().clearSelection();
            p.click("deleteButton");  // nothing selected: line 0, and nothing changed
            QCOMPARE(SelectedLines(p.list()), QList<int>{0});
            QVERIFY(!p.modified);
            // No line after the last: the rules select none, the others keep theirs.
            const int last = p.list().count() - 1;
            Select(p.list(), {last}, last);
            p.click("deleteButton");
            const QList<int> after = p.page->table() == TableKind::Rules ? QList<int>{}
                                                                         : QList<int>{last};
            QCOMPARE(SelectedLines(p.list()), after);
        }
    }

    void aMoveTakesTheSelectionAlongAndNothingMovesAtTheEnds()
    {
        for (const Kind& kind : KINDS) {
            Page p(kind);
            if (p.page->table() == TableKind::PriQ)
                continue;  // the queues do not move
            MarkUsed(p.image, p.page->table(), 4);
            p.page->renderEntries({4});
            const QString moved = p.list().item(4)->text().mid(12);
            Select(p.list(), {}, 4);
            p.click("downButton");
            QVERIFY(p.list().item(4)->text().startsWith("{Unused}"));
            QCOMPARE(p.list().item(5)->text().mid(12), moved);
            QCOMPARE(SelectedLines(p.list()), QList<int>{5});
            QCOMPARE(p.list().currentRow(), 5);
            QVERIFY(p.modified);
            p.modified = false;
            Select(p.list(), {0}, 0);
            p.click("upButton");
            const int last = p.list().count() - 1;
            Select(p.list(), {last}, last);
            p.click("downButton");
            QVERIFY(!p.modified);
        }
    }
};

QTEST_MAIN(ListPagesTest)
#include "list_pages_test.moc"
