#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "pages/rules/view/rule_editor_dialog.h"
#include "pages/rules/view/rules_page.h"
#include "support/gui_fixture.h"
#include "widgets/choice_list.h"
#include "widgets/refusal_mark.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

// An image, the shell state around it and the Rules page on top.
struct Fixture : PageFixture<CTalvexConfigRules> {
    Fixture() { open(); }
};

void Press(QDialog& dialog, const char* button) { Child<QPushButton>(dialog, button).click(); }

} // namespace

class RulesPageTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithStampedNumbersAndUnusedLines();
    void addTypeOkThenUpMovesTheNewRule();
    void cancelledAddLeavesTheSlotAsItWas();
    void invalidMaskKeepsTheEditorOpen();
    void activatingAgainShowsReferencesRenumberedElsewhere();
    void dnRebuildsEveryLineWhoseReferenceItRenumbered();
    void editorHidesComparisonForOtherConditions();
    void listFocusShowsTheRulesHint();
    void refusedOkMarksTheFirstInvalidFieldUntilItChanges();
};

void RulesPageTest::opensWithStampedNumbersAndUnusedLines()
{
    Fixture f;
    QCOMPARE(f.line(0), QString("{Unused} #000"));
    QCOMPARE(int(f.image.ruleTable[9].ruleIndex), 9);
    QVERIFY(!f.modified);
}

void RulesPageTest::addTypeOkThenUpMovesTheNewRule()
{
    Fixture f;
    f.image.ruleTable[0].setCodeWord(NEW_RULE_DEFAULT);
    f.image.ruleTable[2].setCodeWord(NEW_RULE_DEFAULT);
    f.image.ruleTable[5].thenAction = 0x05;  // "Goto Rule..." 1
    f.image.ruleTable[5].thenParam = 1;
    f.image.ruleTable[5].ruleFlags = RULE_DEFINED;

    f.answer = [&](QDialog& d) {
        Type(Child<QLineEdit>(d, "offsetBox"), "12");
        Choose(Child<QComboBox>(d, "baseList"), "FRAGS");
        Type(Child<QLineEdit>(d, "patternDataBox"), "0A.00.00.01");
        Type(Child<QLineEdit>(d, "patternMaskBox"), "FF.FF.00.00");
        Choose(Child<QComboBox>(d, "thenActionList"), "QoS...");
        Type(Child<QLineEdit>(d, "thenParamBox"), "5");
        Press(d, "okButton");
    };
    f.button("addButton").click();
    QCOMPARE(f.dialogsRun, 1);
    const QString added = "Rule #001: ...If Data @ Offset 12 == 0A.00.00.01 Mask FF.FF.00.00 "
                          "Then QoS... 5 Else Forward Frame ";
    QCOMPARE(f.line(1), added);
    QCOMPARE(SelectedLines(f.list()), QList<int>{1});
    QCOMPARE(f.list().currentRow(), 1);
    QVERIFY(f.modified);

    f.button("upButton").click();
    QCOMPARE(f.line(0), QString(added).replace("#001", "#000"));
    QCOMPARE(SelectedLines(f.list()), QList<int>{0});
    QCOMPARE(f.list().currentRow(), 0);
    QCOMPARE(int(f.image.ruleTable[5].thenParam), 0);  // the reference moved with the rule

    f.button("upButton").click();  // already at the top: nothing happens
    QCOMPARE(f.line(0), QString(added).replace("#001", "#000"));
}

void RulesPageTest::cancelledAddLeavesTheSlotAsItWas()
{
    Fixture f;
    const RuleRecord before = f.image.ruleTable[0];
    f.answer = [&](QDialog& d) {
        Type(Child<QLineEdit>(d, "patternDataBox"), "01.02");
        Press(d, "cancelButton");
    };
    f.button("addButton").click();
    QCOMPARE(f.line(0), QString("{Unused} #000"));
    QVERIFY(memcmp(&before, &f.image.ruleTable[0], RECORD_SIZE) == 0);
    QVERIFY(!f.modified);

    // A run that ends without either button (the window closed) also restores.
    f.answer = [](QDialog&) {};
    f.button("addButton").click();
    QVERIFY(memcmp(&before, &f.image.ruleTable[0], RECORD_SIZE) == 0);
}

void RulesPageTest::invalidMaskKeepsTheEditorOpen()
{
    Fixture f;
    bool refused = false;
    f.answer = [&](QDialog& d) {
        Type(Child<QLineEdit>(d, "patternDataBox"), "08.00");
        Type(Child<QLineEdit>(d, "patternMaskBox"), "FF");
        Press(d, "okButton");
        refused = d.result() != QDialog::Accepted;
        Type(Child<QLineEdit>(d, "patternMaskBox"), "");
        Press(d, "okButton");
    };
    f.list().setCurrentRow(4);
    f.button("editButton").click();
    QVERIFY(refused);
    QCOMPARE(int(f.image.ruleTable[4].patternLength), 2);
    QCOMPARE(f.image.ruleTable[4].patternMask[1], std::uint8_t{0xFF});
    QCOMPARE(f.image.ruleTable[4].patternMask[2], std::uint8_t{0x00});
}

void RulesPageTest::activatingAgainShowsReferencesRenumberedElsewhere()
{
    Fixture f;
    RuleRecord& rule = f.image.ruleTable[6];
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
    QCOMPARE(SelectedLines(f.list()), (QList<int>{6, 9}));
    QCOMPARE(f.list().currentRow(), 9);
    QCOMPARE(int(rule.ruleIndex), 77);  // no second stamping
}

void RulesPageTest::dnRebuildsEveryLineWhoseReferenceItRenumbered()
{
    Fixture f;
    f.image.ruleTable[20].setCodeWord(0x09050001);  // Then "Goto Rule..."
    f.image.ruleTable[20].thenParam = 10;
    f.page->activate();
    f.list().setCurrentRow(10);
    f.button("downButton").click();
    QVERIFY(f.line(20).contains("Then Goto Rule... 11 "));
}

void RulesPageTest::editorHidesComparisonForOtherConditions()
{
    Fixture f;
    RuleRecord& rule = f.image.ruleTable[2];
    rule.setCodeWord(NEW_RULE_DEFAULT);
    rule.condition = 0x09;  // "Key Grp Population In Range"
    CEditRuleDlg dialog(f.context, 2);
    dialog.show();
    const std::pair<const char*, const char*> labelled[] = {
        {"offsetBox", "Offset"},           {"lengthBox", "Len"},
        {"baseList", "From"},              {"patternDataBox", "Pattern Data"},
        {"patternMaskBox", "Mask"},        {"conditionList", "Condition"},
        {"thenActionList", "Then"},        {"thenParamBox", "Then Parameter"},
        {"tcpipButton", "TCPIP"},          {"ecbButton", "ECB"}};
    for (const auto& [object, accessible] : labelled)
        QCOMPARE(Child(dialog, object).accessibleName(), QString(accessible));
    QVERIFY(!Child<QLineEdit>(dialog, "offsetBox").isVisible());
    QVERIFY(!Child<QLineEdit>(dialog, "offsetBox").isEnabled());
    auto& group = Child<QLineEdit>(dialog, "param1Box");
    QCOMPARE(group.accessibleName(), QString("Key Group"));
    QVERIFY(group.isVisible() && group.isEnabled());
    QCOMPARE(Child<QLineEdit>(dialog, "param4Box").accessibleName(), QString("Parameter 4"));
    QVERIFY(!Child<QLineEdit>(dialog, "param4Box").isEnabled());
    QVERIFY(!Child<QLineEdit>(dialog, "thenParamBox").isEnabled());

    Choose(Child<QComboBox>(dialog, "conditionList"), "Comparison");
    QVERIFY(Child<QLineEdit>(dialog, "offsetBox").isVisible());
    QVERIFY(Child<QLineEdit>(dialog, "offsetBox").isEnabled());
    QVERIFY(!group.isVisible());
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
    QVERIFY(f.hint().startsWith("Rules\r\n\r\n"));

    CEditRuleDlg dialog(f.context, 1, f.page.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    Child<QLineEdit>(dialog, "lengthBox").setFocus();
    QTRY_VERIFY(f.hint().startsWith("Frame Data Langth\r\n"));
    dialog.reject();
}

void RulesPageTest::refusedOkMarksTheFirstInvalidFieldUntilItChanges()
{
    Fixture f;
    CEditRuleDlg dialog(f.context, 1, f.page.get());
    ShowActive(dialog);
    auto& offset = Child<QLineEdit>(dialog, "offsetBox");
    auto& mask = Child<QLineEdit>(dialog, "patternMaskBox");
    const auto marked = [&](QLineEdit& field) {
        return field.property(RefusalMark::PROPERTY).toBool()
            && field.accessibleDescription() == f.hint() && QApplication::focusWidget() == &field;
    };
    Type(offset, "Dro");
    Type(Child<QLineEdit>(dialog, "patternDataBox"), "08.00");
    Type(mask, "FF");
    QTest::keyClick(&mask, Qt::Key_Return);
    QVERIFY(dialog.isVisible() && marked(offset) && !mask.property(RefusalMark::PROPERTY).toBool());
    QCOMPARE(f.hint(), QString("Offset: type a whole number"));

    Type(offset, "12");
    QVERIFY(!offset.property(RefusalMark::PROPERTY).toBool());
    QVERIFY(offset.accessibleDescription().isEmpty());
    Press(dialog, "okButton");
    QVERIFY(marked(mask) && f.hint().startsWith("Mask: give as many bytes as the pattern data"));
}

QTEST_MAIN(RulesPageTest)
#include "rules_page_test.moc"
