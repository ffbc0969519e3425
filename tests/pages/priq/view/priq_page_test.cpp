#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

#include "widgets/choice_list.h"
#include "pages/priq/priq_hints.h"
#include "pages/priq/view/priq_editor_dialog.h"
#include "pages/priq/view/priq_page.h"

using namespace talvex;

namespace {

// One page on its own image, with the hints and the editors it opens recorded.
struct PageFixture {
    ConfigImage image{};
    bool modified = false;
    QString hint;
    int editorsOpened = 0;
    std::function<void(QDialog&)> answer;
    ShellContext context{image, modified, QFont(QStringLiteral("Courier New"), 10),
                         QFont(QStringLiteral("Courier New"), 12),
                         [this](const QString& text) { hint = text; }};
    QWidget window;  // declared before the page, so the page goes first
    std::unique_ptr<CTalvexConfigPriQ> page;

    PageFixture()
    {
        context.setModalRunner([this](QDialog& dialog) {
            ++editorsOpened;
            if (answer)
                answer(dialog);
            return dialog.result();
        });
    }
    void open()
    {
        page = std::make_unique<CTalvexConfigPriQ>(context);
        page->activate();
    }
    QListWidget& list() const { return *page->findChild<QListWidget*>(QStringLiteral("priqList")); }
    QPushButton& button(const QString& text) const
    {
        for (QPushButton* b : page->findChildren<QPushButton*>())
            if (b->accessibleName() == text)
                return *b;
        qFatal("no button");
    }
    QStringList selectedLines() const
    {
        QStringList lines;
        for (int i = 0; i < list().count(); ++i)
            if (list().item(i)->isSelected())
                lines << QString::number(i);
        return lines;
    }
};

template <typename T>
T& Child(QDialog& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    if (child == nullptr)
        qFatal("missing child %s", name);
    return *child;
}

QPushButton& OkButton(QDialog& dialog)
{
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    if (ok == nullptr)
        qFatal("no OK button");
    return *ok;
}

void ClickOk(QDialog& dialog) { OkButton(dialog).click(); }

} // namespace

class PriQPageTest : public QObject {
    Q_OBJECT
private slots:
    void openingDrawsTheQueuesWithoutSettingModified();
    void addOpensTheEditorOnTheFirstUnusedEntryAndRedrawsEveryLine();
    void editorShowsItsFieldsAndKeepsTheQosBoxAsOpened();
    void editorRefusesTextWithoutADigitAndRestoresOnEscape();
    void editWithSeveralLinesSelectedOnlyReducesTheSelection();
    void deleteClearsTheSelectedEntriesAndSetsModified();
};

void PriQPageTest::openingDrawsTheQueuesWithoutSettingModified()
{
    PageFixture f;
    auto& t = f.image.priQTable;
    t[0].flags = 0x0011;
    t[0].qosNode = 5;
    t[1].flags = 0x0021;
    t[2].flags = 0x0041;
    t[3].flags = 0x0031;
    f.open();

    QCOMPARE(f.list().count(), 64);
    QCOMPARE(f.list().selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(f.list().font().family(), f.context.listFont().family());
    QCOMPARE(f.list().item(0)->text(), QString("   Pri Q #00: +-Queue 01 Highest Priority"));
    QCOMPARE(f.list().item(2)->text(), QString("   Pri Q #02: +-Queue 01 Lowest Priority"));
    QVERIFY(f.list().item(3)->text().contains("Invalid position bits"));
    QCOMPARE(f.list().item(63)->text(), QString("{Unused} #63"));
    QCOMPARE(t[1].qosNode.get(), 5);
    QVERIFY(!f.modified);
    QVERIFY(ListHorizontalExtent(f.list()) > 0);

    for (const char* name : {"Add...", "Edit...", "Delete"}) {
        QPushButton& b = f.button(QString::fromLatin1(name));
        QCOMPARE(b.accessibleName(), QString::fromLatin1(name));
        QVERIFY(b.focusPolicy() & Qt::TabFocus);
    }
    QVERIFY(!f.list().accessibleName().isEmpty());

    f.page->setParent(&f.window);
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    f.list().setFocus();
    QTRY_COMPARE(f.hint, QString::fromUtf8(PRIQ_LIST_HINT));
}

void PriQPageTest::addOpensTheEditorOnTheFirstUnusedEntryAndRedrawsEveryLine()
{
    PageFixture f;
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
        QCOMPARE(Child<QLineEdit>(d, "priqBox").text(), QString("1"));
        QVERIFY(!Child<QCheckBox>(d, "startBox").isChecked());
        Child<QCheckBox>(d, "startBox").setChecked(true);
        Child<QCheckBox>(d, "endBox").setChecked(true);
        Child<QLineEdit>(d, "qosBox").setText("3");
        Child<QLineEdit>(d, "metric2Box").setText("70000");
        d.show();  // Enter in a field commits as OK does
        QTest::keyClick(&Child<QLineEdit>(d, "metric2Box"), Qt::Key_Return);
    };
    f.button("Add...").click();
    QCOMPARE(f.editorsOpened, 1);
    QVERIFY(f.modified);
    QCOMPARE(t[1].flags.get(), std::uint16_t{0x0051});
    QCOMPARE(t[1].qosNode.get(), 3);
    QCOMPARE(t[1].metric2.get(), std::uint16_t{4464});
    QCOMPARE(f.list().item(1)->text(), QString("   Pri Q #01: [-Queue 02 Trivia Priority Queue"));
    QCOMPARE(f.list().item(3)->text(), QString("   Pri Q #03: +-Queue 03 Lowest Priority"));
    QCOMPARE(f.selectedLines(), QStringList{"1"});
    QCOMPARE(f.list().currentRow(), 1);

    // A double-click edits the line; Cancel leaves the entry as it was.
    const PriorityQueueEntry before = t[1];
    f.modified = false;
    f.answer = [](QDialog& d) {
        Child<QCheckBox>(d, "endBox").setChecked(false);
        d.reject();
    };
    emit f.list().itemDoubleClicked(f.list().item(1));
    QCOMPARE(f.editorsOpened, 2);
    QVERIFY(std::memcmp(&t[1], &before, sizeof before) == 0);
    QVERIFY(!f.modified);
}

void PriQPageTest::editorShowsItsFieldsAndKeepsTheQosBoxAsOpened()
{
    PageFixture f;
    f.image.priQTable[7].flags = 0x0041;
    CEditQueuePriorityDlg dialog(f.context, 7);

    QCOMPARE(dialog.windowTitle(), QString("Edit Queue Priority"));
    QVERIFY(Child<QLineEdit>(dialog, "priqBox").isReadOnly());
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

    QVERIFY(OkButton(dialog).isDefault());
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
    PageFixture f;
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
    f.button("Edit...").click();
    QCOMPARE(f.editorsOpened, 1);
    QVERIFY(stayedOpen);
    QVERIFY(escapeRejected);
    QCOMPARE(f.image.priQTable[5].flags.get(), std::uint16_t{0});
    QCOMPARE(f.list().item(5)->text(), QString("{Unused} #05"));
    QVERIFY(!f.modified);
}

void PriQPageTest::editWithSeveralLinesSelectedOnlyReducesTheSelection()
{
    PageFixture f;
    f.open();
    f.list().item(2)->setSelected(true);
    f.list().item(4)->setSelected(true);
    f.list().setCurrentItem(f.list().item(4), QItemSelectionModel::NoUpdate);
    f.button("Edit...").click();
    QCOMPARE(f.editorsOpened, 0);
    QCOMPARE(f.selectedLines(), QStringList{"4"});
}

void PriQPageTest::deleteClearsTheSelectedEntriesAndSetsModified()
{
    PageFixture f;
    auto& t = f.image.priQTable;
    t[0].flags = 0x0011;
    t[1].flags = 0x0021;
    t[2].flags = 0x0041;
    f.open();
    SelectOnlyItem(f.list(), 1);
    f.button("Delete").click();
    QVERIFY(f.modified);
    QCOMPARE(t[1].flags.get(), std::uint16_t{0});
    QCOMPARE(f.list().item(1)->text(), QString("{Unused} #01"));
    QCOMPARE(f.list().item(2)->text(), QString("   Pri Q #02: +-Queue 01 Lowest Priority"));
    QCOMPARE(f.selectedLines(), QStringList{"2"});

    f.modified = false;
    f.list().clearSelection();
    f.button("Delete").click();
    QVERIFY(f.modified);
    QCOMPARE(t[0].flags.get(), std::uint16_t{0x0011});
    QCOMPARE(f.selectedLines(), QStringList{"0"});
}

QTEST_MAIN(PriQPageTest)
#include "priq_page_test.moc"
