#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <functional>

#include "pages/rules/view/ecb_wizard_dialog.h"
#include "pages/rules/view/ip_wizard_dialog.h"
#include "pages/rules/view/rule_editor_dialog.h"
#include "support/gui_fixture.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

QString Text(QDialog& dialog, const char* name) { return Child<QLineEdit>(dialog, name).text(); }

struct Fixture : GuiFixture {
    // Answers the editor with `editor` and any wizard it opens with `wizard`.
    void answerBoth(std::function<void(QDialog&)> editor, std::function<void(QDialog&)> wizard)
    {
        answer = [editor, wizard](QDialog& d) {
            if (qobject_cast<CEditRuleDlg*>(&d) != nullptr)
                editor(d);
            else
                wizard(d);
        };
    }
};

} // namespace

class PatternWizardsTest : public QObject {
    Q_OBJECT
private slots:
    void ipWizardResultsReachOnlyTheEditorFields();
    void ecbWizardResultsAreEncodedOnTheEditorsOk();
    void cancelledWizardLeavesTheFieldsAlone();
    void failedLoadReturnsTheEditorTextsUnchanged();
    void ipWizardRegeneratesOnEveryChange();
};

void PatternWizardsTest::ipWizardResultsReachOnlyTheEditorFields()
{
    Fixture f;
    const RuleRecord before = f.image.ruleTable[0];
    bool disabledWhileRunning = false;
    QString data, mask, offset, base;
    bool buttonBack = false;
    QString title;
    f.answerBoth(
        [&](QDialog& d) {
            Child<QPushButton>(d, "tcpipButton").click();
            data = Text(d, "patternDataBox");
            mask = Text(d, "patternMaskBox");
            offset = Text(d, "offsetBox");
            base = Child<QComboBox>(d, "baseList").currentText();
            buttonBack = Child<QPushButton>(d, "tcpipButton").isEnabled();
            Child<QPushButton>(d, "cancelButton").click();
        },
        [&](QDialog& w) {
            auto* editor = qobject_cast<QDialog*>(w.parentWidget());
            disabledWhileRunning = !Child<QPushButton>(*editor, "tcpipButton").isEnabled();
            title = w.windowTitle();
            Child<QCheckBox>(w, "protocolBox").click();
            QTest::keyClicks(&Child<QLineEdit>(w, "protocolText"), "6");
            Child<QPushButton>(w, "okButton").click();
        });
    CEditRuleDlg editor(f.context, 0);
    f.context.RunModal(editor);
    QCOMPARE(title, QString("IP Wizard"));
    QVERIFY(disabledWhileRunning);
    QVERIFY(buttonBack);
    QCOMPARE(data, QString("06"));
    QCOMPARE(mask, QString("FF"));
    QCOMPARE(offset, QString("9"));
    QCOMPARE(base, QString("FRAGS"));
    QVERIFY(std::memcmp(&before, &f.image.ruleTable[0], RECORD_SIZE) == 0);
    QVERIFY(!f.modified);
}

void PatternWizardsTest::ecbWizardResultsAreEncodedOnTheEditorsOk()
{
    Fixture f;
    QString title, first, data;
    bool sorted = false;
    f.answerBoth(
        [&](QDialog& d) {
            Child<QPushButton>(d, "ecbButton").click();
            Child<QPushButton>(d, "okButton").click();
        },
        [&](QDialog& w) {
            title = w.windowTitle();
            auto& protocol = Child<QComboBox>(w, "protocolList");
            first = protocol.currentText();
            sorted = protocol.itemText(0) == "AARP Ethernet II / SNAP";
            Child<QCheckBox>(w, "protocolIdBox").click();
            protocol.setCurrentIndex(protocol.findText("IP Ethernet II / SNAP"));
            data = Text(w, "dataDisplay");
            Child<QPushButton>(w, "okButton").click();
        });
    CEditRuleDlg editor(f.context, 0);
    QCOMPARE(f.context.RunModal(editor), int(QDialog::Accepted));
    QCOMPARE(title, QString("ECB Wizard"));
    QCOMPARE(first, QString("IPX/SPX Ethernet II / SNAP"));
    QVERIFY(sorted);
    QCOMPARE(data, QString("00.00.00.00.08.00"));
    const RuleRecord& rule = f.image.ruleTable[0];
    QCOMPARE(int(rule.offsetBase()), int(BASE_ECB));
    QCOMPARE(int(rule.offset), 16);
    QCOMPARE(int(rule.patternLength), 6);
    QCOMPARE(rule.patternData[4], std::uint8_t{0x08});
    QCOMPARE(rule.patternMask[5], std::uint8_t{0xFF});
    QCOMPARE(rule.patternMask[6], std::uint8_t{0x00});
    QVERIFY(f.modified);
}

void PatternWizardsTest::cancelledWizardLeavesTheFieldsAlone()
{
    Fixture f;
    QString data, base;
    f.answerBoth(
        [&](QDialog& d) {
            Child<QLineEdit>(d, "patternDataBox").setText("01.02");
            Child<QPushButton>(d, "tcpipButton").click();
            data = Text(d, "patternDataBox");
            base = Child<QComboBox>(d, "baseList").currentText();
            d.reject();
        },
        [&](QDialog& w) {
            Child<QCheckBox>(w, "tosBox").click();
            w.reject();
        });
    CEditRuleDlg editor(f.context, 0);
    f.context.RunModal(editor);
    QCOMPARE(data, QString("01.02"));
    QCOMPARE(base, QString("RAW"));
}

void PatternWizardsTest::failedLoadReturnsTheEditorTextsUnchanged()
{
    Fixture f;
    QString data, mask, offset, base, shownData, shownMask;
    bool checked = true, okEnabled = false;
    f.answerBoth(
        [&](QDialog& d) {
            Child<QLineEdit>(d, "patternDataBox").setText("08.00");
            Child<QPushButton>(d, "ecbButton").click();
            data = Text(d, "patternDataBox");
            mask = Text(d, "patternMaskBox");
            offset = Text(d, "offsetBox");
            base = Child<QComboBox>(d, "baseList").currentText();
            d.reject();
        },
        [&](QDialog& w) {
            shownData = Text(w, "dataDisplay");
            shownMask = Text(w, "maskDisplay");
            checked = Child<QCheckBox>(w, "protocolIdBox").isChecked();
            okEnabled = Child<QPushButton>(w, "okButton").isEnabled();
            Child<QPushButton>(w, "okButton").click();
        });
    CEditRuleDlg editor(f.context, 0);
    f.context.RunModal(editor);
    QCOMPARE(shownData, QString("Could Not Parse Current Mask Data From Rule."));
    QCOMPARE(shownMask, QString("It May Not Be Properly Formatted Or Was Empty."));
    QVERIFY(!checked);
    QVERIFY(okEnabled);
    QCOMPARE(data, QString("08.00"));
    QCOMPARE(mask, QString(""));
    QCOMPARE(offset, QString("0"));
    QCOMPARE(base, QString("RAW"));  // nothing generated: From stays
}

void PatternWizardsTest::ipWizardRegeneratesOnEveryChange()
{
    Fixture f;
    CIpWizardDlg wizard(f.context, {"0A.00.00.00", "FF.00.00.00", "12"});
    CEcbWizardDlg ecb(f.context, {});
    const char* const protocol = "Protocol ( 6 = TCP, 17 = UDP, etc. )";
    const std::tuple<QDialog*, const char*, const char*> labelled[] = {
        {&wizard, "sourceIpText", "Source IP"}, {&wizard, "sourceIpBox", "Source IP"},
        {&wizard, "protocolText", protocol},    {&wizard, "protocolBox", protocol},
        {&wizard, "tosBox", "TOS / DiffServ ( 0 - 63 )"}, {&wizard, "destIpBox", "Dest. IP"},
        {&wizard, "offsetDisplay", "Offset"},   {&wizard, "dataDisplay", "Data"},
        {&wizard, "maskDisplay", "Mask"},       {&ecb, "protocolIdBox", "Protocol ID"},
        {&ecb, "protocolList", "Protocol"}};
    for (const auto& [dialog, object, accessible] : labelled)
        QCOMPARE(Child(*dialog, object).accessibleName(), QString(accessible));
    auto& source = Child<QLineEdit>(wizard, "sourceIpText");
    QCOMPARE(source.text(), QString("10.0.0.0"));
    QVERIFY(Child<QCheckBox>(wizard, "sourceIpBox").isChecked());
    QCOMPARE(Text(wizard, "offsetDisplay"), QString("12"));
    QCOMPARE(Child<QLineEdit>(wizard, "dataDisplay").font().family(), QString("Courier New"));

    source.setText("10.0.5.0");
    QCOMPARE(Text(wizard, "maskDisplay"), QString("FF.FF.FF.00"));
    Child<QCheckBox>(wizard, "tosBox").click();
    Child<QCheckBox>(wizard, "destIpBox").click();
    QCOMPARE(Text(wizard, "dataDisplay"), QString("Compare Too Long!  Select Less Items."));
    QVERIFY(!Child<QPushButton>(wizard, "okButton").isEnabled());
    wizard.accept();  // refused while OK is disabled
    QCOMPARE(wizard.result(), int(QDialog::Rejected));

    for (QCheckBox* box : wizard.findChildren<QCheckBox*>())
        box->setChecked(false);
    QCOMPARE(Text(wizard, "dataDisplay"), QString("Use CheckBoxes To Select Items To Test."));
    QCOMPARE(Text(wizard, "offsetDisplay"), QString("0"));
    QVERIFY(!Child<QPushButton>(wizard, "okButton").isEnabled());
}

QTEST_MAIN(PatternWizardsTest)
#include "pattern_wizards_test.moc"
