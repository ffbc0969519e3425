// The Address Masks page and its editor driven as an operator would, with the
// editor answered through the shell's modal seam.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "pages/masks/mask_hints.h"
#include "pages/masks/view/mask_editor_dialog.h"
#include "pages/masks/view/masks_page.h"
#include "support/gui_fixture.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

// The page on a zeroed image, opened at once; every dialog it runs must be
// the address mask editor, answered by `operatorAction`.
struct Harness : PageFixture<CTalvexConfigMasks> {
    std::function<void(CEditAddressMaskDlg&)> operatorAction;

    explicit Harness(const std::function<void(ConfigImage&)>& prepare = {})
        : PageFixture(StartImage::Zeroed)
    {
        if (prepare)
            prepare(image);
        answer = [this](QDialog& dialog) {
            auto* editor = dynamic_cast<CEditAddressMaskDlg*>(&dialog);
            if (editor == nullptr)
                qFatal("not the address mask editor");
            if (operatorAction)
                operatorAction(*editor);
        };
        open();
    }
    void click(const char* name) { button(name).click(); }
};

} // namespace

class MasksPageTest : public QObject {
    Q_OBJECT
private slots:
    void addEditsTheLowestUnusedEntryAndSelectsIt();
    void invalidInputKeepsTheEditorOpenAndCancelRestores();
    void escapeOrClosingTheWindowCountsAsCancel();
    void templatesFillTheDisabledBoxesAndAreStored();
    void editorShowsItsHints();
    void offsetArrowsAndKeysStepWithinTheByteRange();
};

void MasksPageTest::addEditsTheLowestUnusedEntryAndSelectsIt()
{
    Harness h;
    for (int i = 0; i < 5; ++i)
        h.image.maskTable[i].flags = MASK_IN_USE;
    h.list().setCurrentRow(40);
    h.operatorAction = [](CEditAddressMaskDlg& d) {
        QCOMPARE(Child<QLineEdit>(d, "entryBox").text(), QStringLiteral("5"));
        QVERIFY(Child<QCheckBox>(d, "bidirectionalBox").isChecked());
        QVERIFY(!Child<QLineEdit>(d, "keyGroupBox").isEnabled());
        QVERIFY(!Child<QLineEdit>(d, "paramBox").isEnabled());
        QCOMPARE(Child<QComboBox>(d, "srcList").currentText(), QStringLiteral("RAW"));
        QCOMPARE(Child<QComboBox>(d, "actionList").currentText(),
                 QStringLiteral("<No Action Selected>"));
        // A new action or "Use Key Group" changes what is enabled, and
        // keeps what was typed.
        Child<QLineEdit>(d, "srcMaskBox").setText(QStringLiteral("FF.FF.FF.FF"));
        Choose(Child<QComboBox>(d, "actionList"), "Goto Rule...");
        ClickBox(Child<QCheckBox>(d, "keyGroupCheck"));
        QVERIFY(Child<QLineEdit>(d, "paramBox").isEnabled());
        QVERIFY(Child<QLineEdit>(d, "keyGroupBox").isEnabled());
        ClickBox(Child<QCheckBox>(d, "keyGroupCheck"));
        QCOMPARE(Child<QLineEdit>(d, "srcMaskBox").text(), QStringLiteral("FF.FF.FF.FF"));
        Child<QLineEdit>(d, "ttlBox").setText(QStringLiteral("120"));
        Child<QLineEdit>(d, "paramBox").setText(QStringLiteral("9"));
        Child<QPushButton>(d, "okButton").click();
    };
    h.click("addButton");
    QCOMPARE(h.dialogsRun, 1);
    QCOMPARE(h.line(5), QStringLiteral("Mask #05: ..."));
    QCOMPARE(SelectedLines(h.list()), QList<int>{5});
    QCOMPARE(h.list().currentRow(), 5);
    QVERIFY(h.modified);
    const AddressMask& mask = h.image.maskTable[5];
    QCOMPARE(int(mask.flags), 0x0003);
    QCOMPARE(int(mask.srcLength), 4);
    QCOMPARE(mask.ttlTicks.get(), 2160u);
    QCOMPARE(int(mask.defaultAction), 0x05);
    QCOMPARE(int(mask.defaultParam), 9);

    // A full table: Add opens nothing and changes nothing.
    for (auto& m : h.image.maskTable)
        m.flags = m.flags == 0 ? 0x0100 : m.flags;
    h.modified = false;
    h.click("addButton");
    QCOMPARE(h.dialogsRun, 1);
    QVERIFY(!h.modified);
}

void MasksPageTest::invalidInputKeepsTheEditorOpenAndCancelRestores()
{
    Harness h;
    h.list().setCurrentRow(7);
    h.operatorAction = [&h](CEditAddressMaskDlg& d) {
        QCOMPARE(int(h.image.maskTable[7].flags), 0x0003);  // written at once
        Child<QLineEdit>(d, "qosBox").setText(QStringLiteral("12"));
        Child<QPushButton>(d, "okButton").click();  // both masks empty
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(int(h.image.maskTable[7].qosNode), 0);
        Child<QPushButton>(d, "cancelButton").click();
    };
    h.click("editButton");
    QCOMPARE(h.dialogsRun, 1);
    QCOMPARE(int(h.image.maskTable[7].flags), 0);
    QCOMPARE(h.line(7), QStringLiteral("{Unused} #07"));
    QVERIFY(!h.modified);
}

void MasksPageTest::escapeOrClosingTheWindowCountsAsCancel()
{
    for (bool escape : {true, false}) {
        Harness h;
        h.image.maskTable[2].flags = 0x0100;
        h.image.maskTable[2].srcLength = 1;
        h.list().setCurrentRow(2);
        h.operatorAction = [escape](CEditAddressMaskDlg& d) {
            d.show();
            Child<QCheckBox>(d, "auditBox").setChecked(true);
            Child<QLineEdit>(d, "srcMaskBox").setText(QStringLiteral("01.02"));
            if (escape)
                QTest::keyClick(&d, Qt::Key_Escape);
            else
                d.close();
        };
        h.click("editButton");
        QCOMPARE(int(h.image.maskTable[2].flags), 0x0100);
        QCOMPARE(int(h.image.maskTable[2].srcLength), 1);
        QVERIFY(!h.modified);
    }
}

void MasksPageTest::templatesFillTheDisabledBoxesAndAreStored()
{
    Harness h;
    h.image.maskTable[0].flags = MASK_IN_USE;
    h.image.maskTable[0].srcOffset = 33;
    h.image.maskTable[0].ttlTicks = 2700000004u;  // untouched: kept, not rounded to seconds
    h.list().setCurrentRow(0);
    h.operatorAction = [](CEditAddressMaskDlg& d) {
        auto& src = Child<QComboBox>(d, "srcList");
        auto& dst = Child<QComboBox>(d, "dstList");
        Child<QCheckBox>(d, "templatesBox").click();
        QCOMPARE(src.currentText(), QStringLiteral("<Don't Care>"));
        QVERIFY(!Child<QLineEdit>(d, "srcOffsetBox").isEnabled());
        Choose(src, "IP addr+port");
        Choose(dst, "IP addr+port");
        QCOMPARE(Child<QLineEdit>(d, "srcOffsetBox").text(), QStringLiteral("12"));
        QCOMPARE(Child<QLineEdit>(d, "dstOffsetBox").text(), QStringLiteral("16"));
        QCOMPARE(Child<QLineEdit>(d, "dstMaskBox").text(),
                 QStringLiteral("FF.FF.FF.FF.00.00.FF.FF"));

        // Off again: the stored values come back; on again: from the record.
        Child<QCheckBox>(d, "templatesBox").click();
        QCOMPARE(src.currentText(), QStringLiteral("RAW"));
        QCOMPARE(Child<QLineEdit>(d, "srcOffsetBox").text(), QStringLiteral("33"));
        QVERIFY(Child<QLineEdit>(d, "srcOffsetBox").isEnabled());
        Child<QCheckBox>(d, "templatesBox").click();
        Choose(src, "IP addr+port");
        Choose(dst, "IP addr+port");
        Child<QPushButton>(d, "okButton").click();
    };
    h.click("editButton");
    const AddressMask& mask = h.image.maskTable[0];
    QCOMPARE(int(mask.srcKeyType), 7);
    QCOMPARE(int(mask.dstKeyType), 7);
    QCOMPARE(int(mask.srcBase), 0x40);
    QCOMPARE(int(mask.srcOffset), 12);
    QCOMPARE(int(mask.srcLength), 10);
    QCOMPARE(int(mask.dstOffset), 16);
    QCOMPARE(int(mask.dstLength), 8);
    QCOMPARE(mask.ttlTicks.get(), 2700000004u);
    QVERIFY(h.modified);
}

void MasksPageTest::editorShowsItsHints()
{
    Harness h;
    CEditAddressMaskDlg d(h.context, 3, h.page.get());
    const struct {
        const char* box;
        const char* hint;
    } focusHints[] = {
        {"srcList", MASK_SOURCE_FROM_HINT},       {"srcOffsetBox", MASK_SOURCE_OFFSET_HINT},
        {"srcMaskBox", MASK_SOURCE_MASK_HINT},    {"dstList", MASK_DESTINATION_FROM_HINT},
        {"dstOffsetBox", MASK_DESTINATION_OFFSET_HINT},
        {"dstMaskBox", MASK_DESTINATION_MASK_HINT}, {"ttlBox", MASK_TTL_HINT},
        {"qosBox", MASK_QOS_HINT},
    };
    for (const auto& expected : focusHints) {
        Focus(Child(d, expected.box));
        QCOMPARE(h.hint(), QString::fromUtf8(expected.hint));
    }
    Child<QCheckBox>(d, "absoluteTtlBox").click();
    QCOMPARE(h.hint(), QString::fromUtf8(MASK_ABSOLUTE_TTL_HINT));
    Child<QCheckBox>(d, "bidirectionalBox").click();
    QCOMPARE(h.hint(), QString::fromUtf8(MASK_BIDIRECTIONAL_HINT));
    QCOMPARE(Child<QLineEdit>(d, "srcMaskBox").font().family(), QStringLiteral("Courier New"));
    d.reject();
    QCOMPARE(int(h.image.maskTable[3].flags), 0);
}

void MasksPageTest::offsetArrowsAndKeysStepWithinTheByteRange()
{
    Harness h;
    h.image.maskTable[1].srcOffset = 254;
    CEditAddressMaskDlg d(h.context, 1, h.page.get());
    auto& box = Child<QLineEdit>(d, "srcOffsetBox");
    Child<QAbstractButton>(d, "srcOffsetBoxUp").click();
    Child<QAbstractButton>(d, "srcOffsetBoxUp").click();
    QCOMPARE(box.text(), QStringLiteral("255"));
    QTest::keyClick(&box, Qt::Key_Down);
    QCOMPARE(box.text(), QStringLiteral("254"));
    QTest::keyClick(&Child<QLineEdit>(d, "dstOffsetBox"), Qt::Key_Up);
    QCOMPARE(Child<QLineEdit>(d, "dstOffsetBox").text(), QStringLiteral("1"));
    QCOMPARE(int(h.image.maskTable[1].srcOffset), 254);  // only the box changed
    Child<QCheckBox>(d, "templatesBox").click();
    QVERIFY(!Child<QAbstractButton>(d, "srcOffsetBoxDown").isEnabled());
    d.reject();
}

QTEST_MAIN(MasksPageTest)
#include "masks_page_test.moc"
