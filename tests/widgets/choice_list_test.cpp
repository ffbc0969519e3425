#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>
#include <QApplication>
#include <QtTest>

#include "config/code_tables.h"
#include "widgets/choice_list.h"

using namespace talvex;

class ChoiceListTest : public QObject {
    Q_OBJECT
private slots:
    void fillSortsByTextIgnoringCaseAndSelectsTheFirstRow();
    void fillMakesAPickListAndReplacesOldItems();
    void everyItemRemembersItsRow();
    void selectByCodeFindsTheRowOrKeepsTheSelection();
    void selectedCodeIsMinusOneWithoutARow();
    void fitListWidthAddsATenthAndNeverLowers();
    void selectOnlyItemSelectsOneLineAndIgnoresLinesOutside();
};

void ChoiceListTest::fillSortsByTextIgnoringCaseAndSelectsTheFirstRow()
{
    QComboBox list;
    const CodeEntry rows[] = {{0, 0, 7, "beta"}, {0, 0, 3, "Alpha"}, {0, 0, 9, "gamma"},
                              {0, 0, 1, "ALPHA two"}, {0, 0, CODE_TABLE_END, "{End}"}};
    FillChoiceList(list, rows);
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.itemText(i);
    QCOMPARE(texts, (QStringList{"Alpha", "ALPHA two", "beta", "gamma"}));
    QCOMPARE(list.currentText(), QString("beta"));
    QCOMPARE(SelectedChoiceCode(list), 7);

    FillChoiceList(list, OperatorTable());
    QCOMPARE(list.count(), 10);
    QCOMPARE(list.itemText(0), QString("!$"));
    QCOMPARE(SelectedChoiceCode(list), 0x0000);
    QCOMPARE(list.currentText(), QString("=="));

    FillChoiceList(list, KeyTypeTable());
    QCOMPARE(SelectedChoiceCode(list), 1);
    FillChoiceList(list, ActionTable());
    QCOMPARE(list.currentText(), QString("Next Sequence"));
}

void ChoiceListTest::fillMakesAPickListAndReplacesOldItems()
{
    QComboBox list;
    list.setEditable(true);
    list.addItem("stale");
    FillChoiceList(list, RuleTypeTable());
    QVERIFY(!list.isEditable());
    QCOMPARE(list.count(), 1);
    QCOMPARE(list.itemText(0), QString("If"));
}

void ChoiceListTest::everyItemRemembersItsRow()
{
    QComboBox list;
    FillChoiceList(list, ConditionTable());
    QCOMPARE(list.count(), 7);
    for (int i = 0; i < list.count(); ++i) {
        const CodeEntry* row = ChoiceEntryAt(list, i);
        QVERIFY(row != nullptr);
        QCOMPARE(QString::fromUtf8(row->text.data(), static_cast<qsizetype>(row->text.size())),
                 list.itemText(i));
        QCOMPARE(row, &ConditionTable()[row->ordinal]);
    }
    QCOMPARE(ChoiceEntryAt(list, 7), nullptr);
}

void ChoiceListTest::selectByCodeFindsTheRowOrKeepsTheSelection()
{
    QComboBox list;
    FillChoiceList(list, ProtocolIdTable());
    SelectChoiceByCode(list, 0x0800);
    QCOMPARE(list.currentText(), QString("IP Ethernet II / SNAP"));
    QCOMPARE(SelectedChoiceCode(list), 0x0800);
    QCOMPARE(SelectedChoiceEntry(list)->argument, 2u);
    SelectChoiceByCode(list, 0x1234);
    QCOMPARE(SelectedChoiceCode(list), 0x0800);

    QComboBox empty;
    SelectChoiceByCode(empty, 0);
    QCOMPARE(empty.currentIndex(), -1);
}

void ChoiceListTest::selectedCodeIsMinusOneWithoutARow()
{
    QComboBox list;
    QCOMPARE(SelectedChoiceCode(list), -1);
    list.addItem("no row");
    QCOMPARE(SelectedChoiceCode(list), -1);
    FillChoiceList(list, OffsetBaseTable());
    list.setCurrentIndex(-1);
    QCOMPARE(SelectedChoiceCode(list), -1);
    QCOMPARE(SelectedChoiceEntry(list), nullptr);
}

void ChoiceListTest::fitListWidthAddsATenthAndNeverLowers()
{
    QListWidget list;
    list.resize(100, 100);
    QCOMPARE(ListHorizontalExtent(list), 0);
    const QString wide = "A rather long line of list text, 0123456789";
    list.addItems({"short", wide, "x"});
    FitListWidth(list);
    const int width = QFontMetrics(list.font()).horizontalAdvance(wide);
    QCOMPARE(ListHorizontalExtent(list), width + width / 10);

    // The lines share one size, and the list scrolls far enough to show the
    // whole of the widest line.
    list.show();
    QApplication::processEvents();
    QCOMPARE(list.visualItemRect(list.item(0)).size(), list.visualItemRect(list.item(1)).size());
    QVERIFY(list.horizontalScrollBar()->maximum() + list.viewport()->width() >= width);
    QVERIFY(list.horizontalScrollBar()->maximum() > 0);

    // A changed line is measured again.
    const QString wider = wide + wide;
    list.item(0)->setText(wider);
    FitListWidth(list);
    const int widerWidth = QFontMetrics(list.font()).horizontalAdvance(wider);
    QCOMPARE(ListHorizontalExtent(list), widerWidth + widerWidth / 10);

    list.clear();
    list.addItem("x");
    FitListWidth(list);
    QCOMPARE(ListHorizontalExtent(list), widerWidth + widerWidth / 10);
}

void ChoiceListTest::selectOnlyItemSelectsOneLineAndIgnoresLinesOutside()
{
    QListWidget list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int i = 0; i < 64; ++i)
        list.addItem(QString::number(i));
    list.item(3)->setSelected(true);
    list.item(9)->setSelected(true);

    SelectOnlyItem(list, 20);
    QCOMPARE(list.selectedItems().size(), 1);
    QCOMPARE(list.selectedItems().front(), list.item(20));
    QCOMPARE(list.currentRow(), 20);

    SelectOnlyItem(list, 64);
    SelectOnlyItem(list, -1);
    QCOMPARE(list.selectedItems().size(), 1);
    QCOMPARE(list.currentRow(), 20);
}

QTEST_MAIN(ChoiceListTest)
#include "choice_list_test.moc"
