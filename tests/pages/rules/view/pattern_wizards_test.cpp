#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

#include "config/config_file.h"
#include "pages/rules/view/ecb_wizard_dialog.h"
#include "pages/rules/view/ip_wizard_dialog.h"
#include "pages/rules/view/rule_editor_dialog.h"

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

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox*>()->button(which);
}

QString Text(QDialog& dialog, const QString& name) { return Named<QLineEdit>(dialog, name)->text(); }

struct Fixture {
    std::unique_ptr<ConfigImage> image = std::make_unique<ConfigImage>();
    bool modified = false;
    ShellContext context{*image, modified, QFont("Courier New"), QFont("Courier New"),
                         [](const QString&) {}};
    Fixture() { ResetTables(*image); }

    // Answers the editor with `editor` and any wizard it opens with `wizard`.
    void answer(std::function<int(QDialog&)> editor, std::function<int(QDialog&)> wizard)
    {
        context.setModalRunner([editor, wizard](QDialog& d) {
            if (qobject_cast<CEditRuleDlg*>(&d) != nullptr)
                return editor(d);
            return wizard(d);
        });
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
    const RuleRecord before = f.image->ruleTable[0];
    bool disabledWhileRunning = false;
    QString data, mask, offset, base;
    bool buttonBack = false;
    QString title;
    f.answer(
        [&](QDialog& d) {
            Named<QPushButton>(d, "TCPIP")->click();
            data = Text(d, "Pattern Data");
            mask = Text(d, "Mask");
            offset = Text(d, "Offset");
            base = Named<QComboBox>(d, "From")->currentText();
            buttonBack = Named<QPushButton>(d, "TCPIP")->isEnabled();
            Button(d, QDialogButtonBox::Cancel)->click();
            return d.result();
        },
        [&](QDialog& w) {
            auto* editor = qobject_cast<QDialog*>(w.parentWidget());
            disabledWhileRunning = !Named<QPushButton>(*editor, "TCPIP")->isEnabled();
            title = w.windowTitle();
            Named<QCheckBox>(w, "Protocol ( 6 = TCP, 17 = UDP, etc. )")->click();
            QTest::keyClicks(Named<QLineEdit>(w, "Protocol ( 6 = TCP, 17 = UDP, etc. )"), "6");
            Button(w, QDialogButtonBox::Ok)->click();
            return w.result();
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
    QVERIFY(std::memcmp(&before, &f.image->ruleTable[0], RECORD_SIZE) == 0);
    QVERIFY(!f.modified);
}

void PatternWizardsTest::ecbWizardResultsAreEncodedOnTheEditorsOk()
{
    Fixture f;
    QString title, first, data;
    bool sorted = false;
    f.answer(
        [&](QDialog& d) {
            Named<QPushButton>(d, "ECB")->click();
            Button(d, QDialogButtonBox::Ok)->click();
            return d.result();
        },
        [&](QDialog& w) {
            title = w.windowTitle();
            auto* protocol = Named<QComboBox>(w, "Protocol");
            first = protocol->currentText();
            sorted = protocol->itemText(0) == "AARP Ethernet II / SNAP";
            Named<QCheckBox>(w, "Protocol ID")->click();
            protocol->setCurrentIndex(protocol->findText("IP Ethernet II / SNAP"));
            data = Text(w, "Data");
            Button(w, QDialogButtonBox::Ok)->click();
            return w.result();
        });
    CEditRuleDlg editor(f.context, 0);
    QCOMPARE(f.context.RunModal(editor), int(QDialog::Accepted));
    QCOMPARE(title, QString("ECB Wizard"));
    QCOMPARE(first, QString("IPX/SPX Ethernet II / SNAP"));
    QVERIFY(sorted);
    QCOMPARE(data, QString("00.00.00.00.08.00"));
    const RuleRecord& rule = f.image->ruleTable[0];
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
    f.answer(
        [&](QDialog& d) {
            Named<QLineEdit>(d, "Pattern Data")->setText("01.02");
            Named<QPushButton>(d, "TCPIP")->click();
            data = Text(d, "Pattern Data");
            base = Named<QComboBox>(d, "From")->currentText();
            d.reject();
            return d.result();
        },
        [&](QDialog& w) {
            Named<QCheckBox>(w, "TOS / DiffServ ( 0 - 63 )")->click();
            w.reject();
            return w.result();
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
    f.answer(
        [&](QDialog& d) {
            Named<QLineEdit>(d, "Pattern Data")->setText("08.00");
            Named<QPushButton>(d, "ECB")->click();
            data = Text(d, "Pattern Data");
            mask = Text(d, "Mask");
            offset = Text(d, "Offset");
            base = Named<QComboBox>(d, "From")->currentText();
            d.reject();
            return d.result();
        },
        [&](QDialog& w) {
            shownData = Text(w, "Data");
            shownMask = Text(w, "Mask");
            checked = Named<QCheckBox>(w, "Protocol ID")->isChecked();
            okEnabled = Button(w, QDialogButtonBox::Ok)->isEnabled();
            Button(w, QDialogButtonBox::Ok)->click();
            return w.result();
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
    auto* source = Named<QLineEdit>(wizard, "Source IP");
    QCOMPARE(source->text(), QString("10.0.0.0"));
    QVERIFY(Named<QCheckBox>(wizard, "Source IP")->isChecked());
    QCOMPARE(Text(wizard, "Offset"), QString("12"));
    QCOMPARE(Named<QLineEdit>(wizard, "Data")->font().family(), QString("Courier New"));

    source->setText("10.0.5.0");
    QCOMPARE(Text(wizard, "Mask"), QString("FF.FF.FF.00"));
    Named<QCheckBox>(wizard, "TOS / DiffServ ( 0 - 63 )")->click();
    Named<QCheckBox>(wizard, "Dest. IP")->click();
    QCOMPARE(Text(wizard, "Data"), QString("Compare Too Long!  Select Less Items."));
    QVERIFY(!Button(wizard, QDialogButtonBox::Ok)->isEnabled());
    wizard.accept();  // refused while OK is disabled
    QCOMPARE(wizard.result(), int(QDialog::Rejected));

    for (QCheckBox* box : wizard.findChildren<QCheckBox*>())
        box->setChecked(false);
    QCOMPARE(Text(wizard, "Data"), QString("Use CheckBoxes To Select Items To Test."));
    QCOMPARE(Text(wizard, "Offset"), QString("0"));
    QVERIFY(!Button(wizard, QDialogButtonBox::Ok)->isEnabled());
}

QTEST_MAIN(PatternWizardsTest)
#include "pattern_wizards_test.moc"
