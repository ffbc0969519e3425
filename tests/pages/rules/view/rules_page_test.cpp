#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "config/config_file.h"
#include "widgets/choice_list.h"
#include "pages/rules/view/rule_editor_dialog.h"
#include "pages/rules/view/rules_page.h"

using namespace talvex;

namespace {

template <typename Widget>
Widget* Named(QWidget& parent, const QString& name)
{
    for (Widget* w : parent.findChildren<Widget*>()) {
        if (w->accessibleName() == name)
            return w;
    }
    return nullptr;
}

void Choose(QComboBox* list, const QString& text)
{
    QVERIFY(list != nullptr);
    const int index = list->findText(text);
    QVERIFY(index >= 0);
    list->setCurrentIndex(index);
}

void Type(QLineEdit* field, const QString& text)
{
    QVERIFY(field != nullptr);
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

void Press(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    QVERIFY(box != nullptr);
    box->button(which)->click();
}

// An image, the shell state around it and the Rules page on top.
struct Fixture {
    std::unique_ptr<ConfigImage> image = std::make_unique<ConfigImage>();
    bool modified = false;
    QStringList hints;
    ShellContext context{*image, modified, QFont("Courier New"), QFont("Courier New"),
                         [this](const QString& text) { hints << text; }};
    std::unique_ptr<CTalvexConfigRules> page;

    Fixture()
    {
        ResetTables(*image);
        page = std::make_unique<CTalvexConfigRules>(context);
        page->activate();
    }
    QListWidget& list() const { return page->list(); }
    QString line(int s) const { return list().item(s)->text(); }
    QList<int> selectedLines() const
    {
        QList<int> lines;
        for (int s = 0; s < list().count(); ++s) {
            if (list().item(s)->isSelected())
                lines << s;
        }
        return lines;
    }
    QPushButton* button(const QString& text) const { return Named<QPushButton>(*page, text); }
};

} // namespace

class RulesPageTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithStampedNumbersAndUnusedLines();
    void addTypeOkThenUpMovesTheNewRule();
    void cancelledAddLeavesTheSlotAsItWas();
    void invalidMaskKeepsTheEditorOpen();
    void editWithSeveralSelectedOnlyReselectsTheCaret();
    void deleteClearsSelectedAndSelectsTheNextLine();
    void activatingAgainShowsReferencesRenumberedElsewhere();
    void dnRebuildsEveryLineWhoseReferenceItRenumbered();
    void editorHidesComparisonForOtherConditions();
    void listFocusShowsTheRulesHint();
};

void RulesPageTest::opensWithStampedNumbersAndUnusedLines()
{
    Fixture f;
    QCOMPARE(f.list().count(), 256);
    QCOMPARE(f.line(0), QString("{Unused} #000"));
    QCOMPARE(f.line(255), QString("{Unused} #255"));
    QCOMPARE(int(f.image->ruleTable[9].ruleIndex), 9);
    QCOMPARE(f.list().font().family(), QString("Courier New"));
    QVERIFY(!f.modified);
    QCOMPARE(f.list().selectionMode(), QAbstractItemView::ExtendedSelection);
}

void RulesPageTest::addTypeOkThenUpMovesTheNewRule()
{
    Fixture f;
    f.image->ruleTable[0].setCodeWord(NEW_RULE_DEFAULT);
    f.image->ruleTable[2].setCodeWord(NEW_RULE_DEFAULT);
    f.image->ruleTable[5].thenAction = 0x05;  // "Goto Rule..." 1
    f.image->ruleTable[5].thenParam = 1;
    f.image->ruleTable[5].ruleFlags = RULE_DEFINED;

    int runs = 0;
    f.context.setModalRunner([&](QDialog& d) {
        ++runs;
        Type(Named<QLineEdit>(d, "Offset"), "12");
        Choose(Named<QComboBox>(d, "From"), "FRAGS");
        Type(Named<QLineEdit>(d, "Pattern Data"), "0A.00.00.01");
        Type(Named<QLineEdit>(d, "Mask"), "FF.FF.00.00");
        Choose(Named<QComboBox>(d, "Then"), "QoS...");
        Type(Named<QLineEdit>(d, "Then Parameter"), "5");
        Press(d, QDialogButtonBox::Ok);
        return d.result();
    });
    f.button("Add...")->click();
    QCOMPARE(runs, 1);
    const QString added = "Rule #001: ...If Data @ Offset 12 == 0A.00.00.01 Mask FF.FF.00.00 "
                          "Then QoS... 5 Else Forward Frame ";
    QCOMPARE(f.line(1), added);
    QCOMPARE(f.selectedLines(), QList<int>{1});
    QCOMPARE(f.list().currentRow(), 1);
    QVERIFY(f.modified);

    f.button("Up")->click();
    QCOMPARE(f.line(0), QString(added).replace("#001", "#000"));
    QCOMPARE(f.selectedLines(), QList<int>{0});
    QCOMPARE(f.list().currentRow(), 0);
    QCOMPARE(int(f.image->ruleTable[5].thenParam), 0);  // the reference moved with the rule

    f.button("Up")->click();  // already at the top: nothing happens
    QCOMPARE(f.line(0), QString(added).replace("#001", "#000"));
}

void RulesPageTest::cancelledAddLeavesTheSlotAsItWas()
{
    Fixture f;
    const RuleRecord before = f.image->ruleTable[0];
    f.context.setModalRunner([&](QDialog& d) {
        Type(Named<QLineEdit>(d, "Pattern Data"), "01.02");
        Press(d, QDialogButtonBox::Cancel);
        return d.result();
    });
    f.button("Add...")->click();
    QCOMPARE(f.line(0), QString("{Unused} #000"));
    QVERIFY(memcmp(&before, &f.image->ruleTable[0], RECORD_SIZE) == 0);
    QVERIFY(!f.modified);

    // A run that ends without either button (the window closed) also restores.
    f.context.setModalRunner([&](QDialog&) { return int(QDialog::Rejected); });
    f.button("Add...")->click();
    QVERIFY(memcmp(&before, &f.image->ruleTable[0], RECORD_SIZE) == 0);
}

void RulesPageTest::invalidMaskKeepsTheEditorOpen()
{
    Fixture f;
    bool refused = false;
    f.context.setModalRunner([&](QDialog& d) {
        Type(Named<QLineEdit>(d, "Pattern Data"), "08.00");
        Type(Named<QLineEdit>(d, "Mask"), "FF");
        Press(d, QDialogButtonBox::Ok);
        refused = d.result() != QDialog::Accepted;
        Type(Named<QLineEdit>(d, "Mask"), "");
        Press(d, QDialogButtonBox::Ok);
        return d.result();
    });
    f.list().setCurrentRow(4);
    f.button("Edit...")->click();
    QVERIFY(refused);
    QCOMPARE(int(f.image->ruleTable[4].patternLength), 2);
    QCOMPARE(f.image->ruleTable[4].patternMask[1], std::uint8_t{0xFF});
    QCOMPARE(f.image->ruleTable[4].patternMask[2], std::uint8_t{0x00});
}

void RulesPageTest::editWithSeveralSelectedOnlyReselectsTheCaret()
{
    Fixture f;
    int runs = 0;
    f.context.setModalRunner([&](QDialog&) {
        ++runs;
        return int(QDialog::Rejected);
    });
    f.list().item(3)->setSelected(true);
    f.list().item(8)->setSelected(true);
    f.list().setCurrentRow(8, QItemSelectionModel::NoUpdate);
    f.button("Edit...")->click();
    QCOMPARE(runs, 0);
    QCOMPARE(f.selectedLines(), QList<int>{8});
}

void RulesPageTest::deleteClearsSelectedAndSelectsTheNextLine()
{
    Fixture f;
    f.image->ruleTable[3].setCodeWord(NEW_RULE_DEFAULT);
    f.image->ruleTable[7].setCodeWord(NEW_RULE_DEFAULT);
    f.page->activate();
    QVERIFY(f.line(3).startsWith("Rule #003"));
    f.list().item(3)->setSelected(true);
    f.list().item(7)->setSelected(true);
    f.button("Delete")->click();
    QCOMPARE(f.line(3), QString("{Unused} #003"));
    QCOMPARE(f.line(7), QString("{Unused} #007"));
    QCOMPARE(f.selectedLines(), QList<int>{4});
    QCOMPARE(f.image->ruleTable[3].patternData[0], std::uint8_t{0x41});
    QVERIFY(f.modified);

    f.list().clearSelection();
    f.button("Delete")->click();
    QCOMPARE(f.selectedLines(), QList<int>{0});

    SelectOnlyItem(f.list(), 255);
    f.button("Delete")->click();
    QVERIFY(f.selectedLines().isEmpty());
}

void RulesPageTest::activatingAgainShowsReferencesRenumberedElsewhere()
{
    Fixture f;
    RuleRecord& rule = f.image->ruleTable[6];
    rule.setCodeWord(NEW_RULE_DEFAULT);
    rule.thenAction = 0x11;  // "QoS..."
    rule.thenParam = 2;
    f.page->activate();
    f.list().item(6)->setSelected(true);
    f.list().item(9)->setSelected(true);
    f.list().setCurrentRow(9, QItemSelectionModel::NoUpdate);
    rule.thenParam = 3;  // the QoS page moved node 2 to 3
    rule.ruleIndex = 77;
    f.page->activate();
    QVERIFY(f.line(6).contains("Then QoS... 3 "));
    QCOMPARE(f.selectedLines(), (QList<int>{6, 9}));
    QCOMPARE(f.list().currentRow(), 9);
    QCOMPARE(int(rule.ruleIndex), 77);  // no second stamping
}

void RulesPageTest::dnRebuildsEveryLineWhoseReferenceItRenumbered()
{
    Fixture f;
    f.image->ruleTable[20].setCodeWord(0x09050001);  // Then "Goto Rule..."
    f.image->ruleTable[20].thenParam = 10;
    f.page->activate();
    f.list().setCurrentRow(10);
    f.button("Dn")->click();
    QVERIFY(f.line(20).contains("Then Goto Rule... 11 "));
}

void RulesPageTest::editorHidesComparisonForOtherConditions()
{
    Fixture f;
    RuleRecord& rule = f.image->ruleTable[2];
    rule.setCodeWord(NEW_RULE_DEFAULT);
    rule.condition = 0x09;  // "Key Grp Population In Range"
    CEditRuleDlg dialog(f.context, 2);
    dialog.show();
    QVERIFY(!Named<QLineEdit>(dialog, "Offset")->isVisible());
    QVERIFY(!Named<QLineEdit>(dialog, "Offset")->isEnabled());
    auto* group = Named<QLineEdit>(dialog, "Key Group");
    QVERIFY(group != nullptr && group->isVisible() && group->isEnabled());
    QVERIFY(!Named<QLineEdit>(dialog, "Parameter 4")->isEnabled());
    QVERIFY(!Named<QLineEdit>(dialog, "Then Parameter")->isEnabled());

    Choose(Named<QComboBox>(dialog, "Condition"), "Comparison");
    QVERIFY(Named<QLineEdit>(dialog, "Offset")->isVisible());
    QVERIFY(Named<QLineEdit>(dialog, "Offset")->isEnabled());
    QVERIFY(!group->isVisible());
    dialog.reject();
}

void RulesPageTest::listFocusShowsTheRulesHint()
{
    Fixture f;
    f.page->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.page.get()));
    f.page->activateWindow();
    f.list().setFocus();
    QTRY_VERIFY(!f.hints.isEmpty());
    QVERIFY(f.hints.last().startsWith("Rules\r\n\r\n"));

    CEditRuleDlg dialog(f.context, 1, f.page.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    Named<QLineEdit>(dialog, "Len")->setFocus();
    QTRY_VERIFY(f.hints.last().startsWith("Frame Data Langth\r\n"));
    dialog.reject();
}

QTEST_MAIN(RulesPageTest)
#include "rules_page_test.moc"
