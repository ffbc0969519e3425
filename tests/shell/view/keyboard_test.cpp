#include <QtTest>
#include <QtWidgets>

#include "pages/masks/view/mask_editor_dialog.h"
#include "pages/masks/view/masks_page.h"
#include "pages/priq/view/priq_editor_dialog.h"
#include "pages/priq/view/priq_page.h"
#include "pages/qos/view/qos_editor_dialog.h"
#include "pages/qos/view/qos_page.h"
#include "pages/rules/view/ecb_wizard_dialog.h"
#include "pages/rules/view/ip_wizard_dialog.h"
#include "pages/rules/view/rule_editor_dialog.h"
#include "pages/rules/view/rules_page.h"
#include "support/gui_fixture.h"
#include "widgets/mnemonic_text.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

template <typename Page, typename Editor>
std::pair<std::unique_ptr<TableListPage>, std::unique_ptr<QDialog>> Make(ShellContext& c)
{
    return {std::make_unique<Page>(c), std::make_unique<Editor>(c, 3)};
}
// The four table pages, each with its editor on entry 3.
const struct {
    decltype(&Make<CTalvexConfigQos, CEditQosDlg>) make;
} KINDS[] = {{Make<CTalvexConfigRules, CEditRuleDlg>},
             {Make<CTalvexConfigMasks, CEditAddressMaskDlg>},
             {Make<CTalvexConfigPriQ, CEditQueuePriorityDlg>},
             {Make<CTalvexConfigQos, CEditQosDlg>}};

struct Fixture : GuiFixture {
    Fixture() { image.maskTable[3].srcLength = 1; }  // a mask OK accepts as it opens
};

// Mnemonics unique among the controls shown together, accessible names from
// the visible texts, displays out of the Tab chain and flat.
void CheckWindow(QWidget& window)
{
    QList<QKeySequence> seen;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* group = qobject_cast<QGroupBox*>(w);
        const QString text = button ? button->text() : label ? label->text()
                                                     : group ? group->title() : QString();
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (w->isVisibleTo(&window) && !key.isEmpty()) {
            QVERIFY2(!seen.contains(key), qPrintable(text));
            seen << key;
        }
        const QWidget* named = button ? w : label ? label->buddy() : nullptr;
        QVERIFY(!named || text.isEmpty() || named->accessibleName().endsWith(AccessibleName(text)));
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w))
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        if (auto* field = qobject_cast<QLineEdit*>(w); field && field->isReadOnly())
            QVERIFY(!(field->focusPolicy() & Qt::TabFocus)
                    && field->palette().base() == field->palette().window());
    }
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void keysOnTheListAndTheButtonsRunTheCommands();
    void everyWindowHasUniqueMnemonicsNamesAndQuietDisplays();
};

void KeyboardTest::keysOnTheListAndTheButtonsRunTheCommands()
{
    for (const auto& kind : KINDS) {
        Fixture f;
        auto page = kind.make(f.context).first;
        page->activate();
        // The keys are the list's shortcuts: its window is active, the list has the focus.
        ShowActive(*page);
        QListWidget& list = page->list();
        list.setFocus();
        list.setCurrentRow(3);
        // Return on a line opens its editor, focus in a field where Return is OK.
        f.answer = [](QDialog& d) {
            ShowActive(d);
            auto* field = qobject_cast<QLineEdit*>(d.focusWidget());
            QVERIFY(field && !field->isReadOnly());
            QCOMPARE(Child<QLineEdit>(d, "entryBox").text(), QString("3"));
            QTest::keyClick(field, Qt::Key_Return);
        };
        QTest::keyClick(&list, Qt::Key_Return);
        QVERIFY(f.modified && !list.item(3)->text().startsWith("{Unused}"));
        f.answer = [](QDialog& d) {
            ShowActive(d);
            QTest::keyClick(&Child<QPushButton>(d, "cancelButton"), Qt::Key_Return);
        };
        QTest::keyClick(&Child<QPushButton>(*page, "addButton"), Qt::Key_Return);
        QVERIFY(list.currentRow() == 0 && list.item(0)->text().startsWith("{Unused}"));
        ShowActive(*page);  // back from the dialog, as the desktop does
        list.setFocus();
        list.setCurrentRow(3);
        QTest::keyClick(&list, Qt::Key_Delete);
        QVERIFY(list.item(3)->text().startsWith("{Unused}"));
    }
}

void KeyboardTest::everyWindowHasUniqueMnemonicsNamesAndQuietDisplays()
{
    Fixture f;
    for (const auto& kind : KINDS) {
        auto [page, editor] = kind.make(f.context);
        CheckWindow(*page), CheckWindow(*editor);
    }
    CheckWindow(*std::make_unique<CIpWizardDlg>(f.context, PatternTexts{}));
    CheckWindow(*std::make_unique<CEcbWizardDlg>(f.context, PatternTexts{}));
    // The rule editor with every choice of every list (each condition), at one size.
    CEditRuleDlg editor(f.context, 0);
    const QSize size = editor.sizeHint();
    for (QComboBox* choice : editor.findChildren<QComboBox*>()) {
        for (int row = 0; row < choice->count(); ++row) {
            choice->setCurrentIndex(row);
            CheckWindow(editor);
            QCOMPARE(editor.sizeHint(), size);
        }
    }
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
