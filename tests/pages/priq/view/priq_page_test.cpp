#include <QCheckBox>
#include <QLabel>

#include <cstring>

#include "pages/priq/priq_hints.h"
#include "pages/priq/view/priq_editor_dialog.h"
#include "pages/priq/view/priq_page.h"
#include "support/gui_fixture.h"
#include "widgets/choice_list.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

// The page on a zeroed image.
struct Fixture : PageFixture<CTalvexConfigPriQ> {
    Fixture() : PageFixture(StartImage::Zeroed) {}
};

void ClickOk(QDialog& dialog) { Child<QPushButton>(dialog, "okButton").click(); }

} // namespace

class PriQPageTest : public QObject {
    Q_OBJECT
private slots:
    void openingDrawsTheQueuesWithoutSettingModified();
    void addOpensTheEditorOnTheFirstUnusedEntryAndRedrawsEveryLine();
    void editorShowsItsFieldsAndKeepsTheQosBoxAsOpened();
    void editorRefusesTextWithoutADigitAndRestoresOnEscape();
    void deleteClearsTheSelectedEntriesAndSetsModified();
};

void PriQPageTest::openingDrawsTheQueuesWithoutSettingModified()
{
    Fixture f;
    auto& t = f.image.priQTable;
    t[0].flags = 0x0011;
    t[0].qosNode = 5;
    t[1].flags = 0x0021;
    t[2].flags = 0x0041;
    t[3].flags = 0x0031;
    f.open();

    QCOMPARE(f.list().item(0)->text(), QString("   Pri Q #00: +-Queue 01 Highest Priority"));
    QCOMPARE(f.list().item(2)->text(), QString("   Pri Q #02: +-Queue 01 Lowest Priority"));
    QVERIFY(f.list().item(3)->text().contains("Invalid position bits"));
    QCOMPARE(f.list().item(63)->text(), QString("{Unused} #63"));
    QCOMPARE(t[1].qosNode.get(), 5);
    QVERIFY(!f.modified);
    QVERIFY(ListHorizontalExtent(f.list()) > 0);
}

void PriQPageTest::addOpensTheEditorOnTheFirstUnusedEntryAndRedrawsEveryLine()
{
    Fixture f;
    auto& t = f.image.priQTable;
    t[0].flags = 0x0051;
    t[2].flags = 0x0011;
    t[2].qosNode = 6;
    t[3].flags = 0x0041;
    f.open();
    QCOMPARE(f.list().item(3)->text(), QString("   Pri Q #03: +-Queue 02 Lowest Priority"));

    // Entry 1 lies below a one-entry queue: neither box is checked; the
    // operator makes it a queue of its own.
    f.answer = [](QDialog& d) {
        QCOMPARE(Child<QLineEdit>(d, "entryBox").text(), QString("1"));
        QVERIFY(!Child<QCheckBox>(d, "startBox").isChecked());
        Child<QCheckBox>(d, "startBox").setChecked(true);
        Child<QCheckBox>(d, "endBox").setChecked(true);
        Child<QLineEdit>(d, "qosBox").setText("3");
        Child<QLineEdit>(d, "metric2Box").setText("70000");
        d.show();  // Enter in a field commits as OK does
        QTest::keyClick(&Child<QLineEdit>(d, "metric2Box"), Qt::Key_Return);
    };
    f.button("addButton").click();
    QCOMPARE(f.dialogsRun, 1);
    QVERIFY(f.modified);
    QCOMPARE(t[1].flags.get(), std::uint16_t{0x0051});
    QCOMPARE(t[1].qosNode.get(), 3);
    QCOMPARE(t[1].metric2.get(), std::uint16_t{4464});
    QCOMPARE(f.list().item(1)->text(), QString("   Pri Q #01: [-Queue 02 Trivia Priority Queue"));
    QCOMPARE(f.list().item(3)->text(), QString("   Pri Q #03: +-Queue 03 Lowest Priority"));
    QCOMPARE(SelectedLines(f.list()), QList<int>{1});
    QCOMPARE(f.list().currentRow(), 1);

    // A double-click edits the line; Cancel leaves the entry as it was.
    const PriorityQueueEntry before = t[1];
    f.modified = false;
    f.answer = [](QDialog& d) {
        Child<QCheckBox>(d, "endBox").setChecked(false);
        d.reject();
    };
    emit f.list().itemDoubleClicked(f.list().item(1));
    QCOMPARE(f.dialogsRun, 2);
    QVERIFY(std::memcmp(&t[1], &before, sizeof before) == 0);
    QVERIFY(!f.modified);
}

void PriQPageTest::editorShowsItsFieldsAndKeepsTheQosBoxAsOpened()
{
    Fixture f;
    f.image.priQTable[7].flags = 0x0041;
    CEditQueuePriorityDlg dialog(f.context, 7);

    QCOMPARE(dialog.windowTitle(), QString("Edit Queue Priority"));
    QVERIFY(Child<QLineEdit>(dialog, "entryBox").isReadOnly());
    QLineEdit& qos = Child<QLineEdit>(dialog, "qosBox");
    QVERIFY(!qos.isEnabled());
    QCheckBox& start = Child<QCheckBox>(dialog, "startBox");
    QCOMPARE(start.accessibleName(), QString("Highest Priority ( Start A Priotity Queue )"));
    QCOMPARE(Child<QCheckBox>(dialog, "endBox").accessibleName(),
             QString("Lowest Priority ( End A Priority Queue )"));
    QVERIFY(Child<QCheckBox>(dialog, "endBox").isChecked());
    start.click();
    QVERIFY(start.isChecked());
    QVERIFY(!qos.isEnabled());

    QVERIFY(Child<QPushButton>(dialog, "okButton").isDefault());
    QComboBox& algorithm = Child<QComboBox>(dialog, "algorithmList");
    QVERIFY(!algorithm.isEnabled());

    QStringList labels;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() != nullptr) {
            labels << label->text().remove('&');
            QCOMPARE(label->buddy()->accessibleName(), labels.last());
        }
    labels.sort();
    QCOMPARE(labels, (QStringList{"Algorithm / Strategy", "Metric 1", "Metric 2", "Metric 3",
                                  "Metric 4", "PriQ", "QoS"}));
    bool noteShown = false;
    for (QLabel* label : dialog.findChildren<QLabel*>())
        noteShown |= label->text() == " ( Determines total bandwidth available )";
    QVERIFY(noteShown);
}

void PriQPageTest::editorRefusesTextWithoutADigitAndRestoresOnEscape()
{
    Fixture f;
    f.open();
    bool stayedOpen = false;
    bool escapeRejected = false;
    f.answer = [&](QDialog& d) {
        QVERIFY(Child<QCheckBox>(d, "startBox").isChecked());  // below an unused entry
        Child<QLineEdit>(d, "metric3Box").setText("abc");
        d.setResult(-1);
        ClickOk(d);
        stayedOpen = d.result() == -1;
        QTest::keyClick(&d, Qt::Key_Escape);
        escapeRejected = d.result() == QDialog::Rejected;
    };
    f.list().setCurrentRow(5);
    f.button("editButton").click();
    QCOMPARE(f.dialogsRun, 1);
    QVERIFY(stayedOpen);
    QVERIFY(escapeRejected);
    QCOMPARE(f.image.priQTable[5].flags.get(), std::uint16_t{0});
    QCOMPARE(f.list().item(5)->text(), QString("{Unused} #05"));
    QVERIFY(!f.modified);
}

// The structure is drawn again after a delete: the end keeps its queue.
void PriQPageTest::deleteClearsTheSelectedEntriesAndSetsModified()
{
    Fixture f;
    auto& t = f.image.priQTable;
    t[0].flags = 0x0011;
    t[1].flags = 0x0021;
    t[2].flags = 0x0041;
    f.open();
    SelectOnlyItem(f.list(), 1);
    f.button("deleteButton").click();
    QVERIFY(f.modified);
    QCOMPARE(t[1].flags.get(), std::uint16_t{0});
    QCOMPARE(f.list().item(1)->text(), QString("{Unused} #01"));
    QCOMPARE(f.list().item(2)->text(), QString("   Pri Q #02: +-Queue 01 Lowest Priority"));
    QCOMPARE(SelectedLines(f.list()), QList<int>{2});
}

QTEST_MAIN(PriQPageTest)
#include "priq_page_test.moc"
