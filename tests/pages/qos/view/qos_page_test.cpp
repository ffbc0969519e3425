#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "pages/qos/qos_hints.h"
#include "pages/qos/view/qos_editor_dialog.h"
#include "pages/qos/view/qos_page.h"
#include "support/gui_fixture.h"
#include "widgets/mnemonic_text.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

using Fixture = PageFixture<CTalvexConfigQos>;

void SetField(QDialog& dialog, const char* name, const char* text)
{
    Child<QLineEdit>(dialog, name).setText(QString::fromLatin1(text));
}

QByteArray NodeBytes(const QosNode& node)
{
    return QByteArray(reinterpret_cast<const char*>(&node), sizeof node);
}

} // namespace

class QosPageTest : public QObject {
    Q_OBJECT
private slots:
    void addEditsTheLowestEmptyEntryAndStoresWhatTheOperatorTyped();
    void everyWayButAValidOkLeavesTheEntryAsItWas();
    void editorShowsBothUnitsAsStoredUntilOneIsChosen();
    void thresholdSwitchEnablesItsGroupAndEveryControlHintsOrIsNamed();
};

void QosPageTest::addEditsTheLowestEmptyEntryAndStoresWhatTheOperatorTyped()
{
    Fixture f;
    f.image.qosTable[0].flags = QOS_BY_FRAMES;
    f.image.qosTable[1].flags = QOS_BY_BYTES;
    f.open();
    Select(f.list(), {5}, 5);

    QString shownIndex;
    f.answer = [&](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Quality of Service"));
        shownIndex = Child<QLineEdit>(dialog, "entryBox").text();
        QCOMPARE(Child<QLineEdit>(dialog, "rateBox").text(), QStringLiteral("1000000"));
        QCOMPARE(Child<QLineEdit>(dialog, "secondsBox").text(), QStringLiteral("1.000000"));
        SetField(dialog, "rateBox", "1000");
        SetField(dialog, "secondsBox", "0.7");
        SetField(dialog, "lowBox", "10");
        QTest::mouseClick(&Child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
    };
    f.button("addButton").click();

    QCOMPARE(f.dialogsRun, 1);
    QCOMPARE(shownIndex, QStringLiteral("2"));
    QVERIFY(f.modified);
    const QosNode& node = f.image.qosTable[2];
    QCOMPARE(node.flags.get(), std::uint16_t{0x0011});
    QCOMPARE(node.rateInterval.get(), 1000000u);
    QCOMPARE(node.samplePeriod.get(), 699999u);
    QCOMPARE(node.lowThreshold.get(), 6u);
    QCOMPARE(f.list().item(2)->text(),
             QStringLiteral("QoS #02: [--bFI---] Rate=1000000    Sample=699999     On=0          Off=6         "));
    QCOMPARE(SelectedLines(f.list()), QList<int>{2});
    QCOMPARE(f.list().currentRow(), 2);

    // A full table opens nothing.
    for (QosNode& n : f.image.qosTable)
        n.flags = QOS_IMMORTAL;
    f.button("addButton").click();
    QCOMPARE(f.dialogsRun, 1);
}

void QosPageTest::everyWayButAValidOkLeavesTheEntryAsItWas()
{
    Fixture f;
    f.image.qosTable[3].flags = QOS_BY_BYTES;
    f.image.qosTable[3].rateInterval = 0;  // the editor writes its default
    f.open();
    Select(f.list(), {7}, 7);
    const QByteArray before7 = NodeBytes(f.image.qosTable[7]);
    const QByteArray before3 = NodeBytes(f.image.qosTable[3]);

    bool acceptedOnInvalid = false;
    f.answer = [&](QDialog& dialog) {
        SetField(dialog, "secondsBox", "0.01");  // 9999 microseconds
        Child<QPushButton>(dialog, "okButton").click();
        acceptedOnInvalid = dialog.result() == QDialog::Accepted;
        SetField(dialog, "secondsBox", "500");
        SetField(dialog, "highBox", "10000000");  // 5e9 units per period
        Child<QPushButton>(dialog, "okButton").click();
        acceptedOnInvalid = acceptedOnInvalid || dialog.result() == QDialog::Accepted;
        Child<QPushButton>(dialog, "cancelButton").click();
    };
    f.button("editButton").click();
    QCOMPARE(f.dialogsRun, 1);
    QVERIFY(!acceptedOnInvalid);
    QCOMPARE(NodeBytes(f.image.qosTable[7]), before7);  // defaults undone: flags 0 again
    QCOMPARE(f.list().item(7)->text(), QStringLiteral("{Unused} #07"));

    {
        CEditQosDlg dialog(f.context, 3, f.page.get());
        QCOMPARE(f.image.qosTable[3].rateInterval.get(), 1000u);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(NodeBytes(f.image.qosTable[3]), before3);
    }
    {
        CEditQosDlg dialog(f.context, 3, f.page.get());
        dialog.show();
        QVERIFY(dialog.close());
        QCOMPARE(NodeBytes(f.image.qosTable[3]), before3);
    }
    {
        CEditQosDlg dialog(f.context, 3, f.page.get());  // torn down without a command
    }
    QCOMPARE(NodeBytes(f.image.qosTable[3]), before3);
    QVERIFY(!f.modified);
}

void QosPageTest::editorShowsBothUnitsAsStoredUntilOneIsChosen()
{
    Fixture f;
    f.image.qosTable[4].flags = QOS_BY_BYTES | QOS_BY_FRAMES | 0x0002;
    f.image.qosTable[4].rateInterval = 333333333;
    f.image.qosTable[4].samplePeriod = 699999;  // untouched: kept, not read back as 699998
    f.open();
    for (const int units : {0, QOS_BY_BYTES | QOS_BY_FRAMES}) {  // OK untouched keeps them
        f.image.qosTable[9].flags = std::uint16_t(QOS_IMMORTAL | units);
        CEditQosDlg untouched(f.context, 9);
        untouched.accept();
        QVERIFY(untouched.result() && f.image.qosTable[9].flags.get() == (QOS_IMMORTAL | units));
    }
    CEditQosDlg dialog(f.context, 4, f.page.get());
    auto& bytes = Child<QRadioButton>(dialog, "bytesButton");
    auto& frames = Child<QRadioButton>(dialog, "framesButton");
    QVERIFY(bytes.isChecked() && frames.isChecked());
    QCOMPARE(Child<QLineEdit>(dialog, "rateBox").text(), QStringLiteral("3"));

    ClickBox(bytes);
    QVERIFY(bytes.isChecked() && !frames.isChecked());
    QCOMPARE(f.hint(), QString::fromUtf8(QOS_BYTES_HINT));
    ClickBox(bytes);  // choosing it again keeps it
    QVERIFY(bytes.isChecked() && !frames.isChecked());
    ClickBox(frames);
    QVERIFY(!bytes.isChecked() && frames.isChecked());
    QCOMPARE(f.hint(), QString::fromUtf8(QOS_FRAMES_HINT));

    // Digits only in the rate.
    auto& rate = Child<QLineEdit>(dialog, "rateBox");
    rate.clear();
    QTest::keyClicks(&rate, "12a.5-");
    QCOMPARE(rate.text(), QStringLiteral("125"));

    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(f.image.qosTable[4].flags.get(), std::uint16_t{QOS_BY_FRAMES | 0x0002});
    QCOMPARE(f.image.qosTable[4].rateInterval.get(), 8000000u);
    QCOMPARE(f.image.qosTable[4].samplePeriod.get(), 699999u);
    QVERIFY(f.modified);
}

void QosPageTest::thresholdSwitchEnablesItsGroupAndEveryControlHintsOrIsNamed()
{
    Fixture f;
    f.open();
    CEditQosDlg dialog(f.context, 0, f.page.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    auto& low = Child<QLineEdit>(dialog, "lowBox");
    auto& high = Child<QLineEdit>(dialog, "highBox");
    auto& absolute = Child<QCheckBox>(dialog, "absoluteBox");
    auto& thresholds = Child<QCheckBox>(dialog, "thresholdsBox");
    QVERIFY(!low.isEnabled() && !high.isEnabled() && !absolute.isEnabled());
    ClickBox(thresholds);
    QVERIFY(low.isEnabled() && high.isEnabled() && absolute.isEnabled());
    QCOMPARE(f.hint(), QStringLiteral("Enables or disables thresholds."));
    ClickBox(thresholds);
    QVERIFY(!low.isEnabled() && !high.isEnabled() && !absolute.isEnabled());
    ClickBox(thresholds);

    const struct {
        const char* name;
        const char* hint;
    } focusHints[] = {{"rateBox", QOS_RATE_HINT},
                      {"secondsBox", QOS_SAMPLE_HINT},
                      {"lowBox", QOS_LOW_HINT},
                      {"highBox", QOS_HIGH_HINT}};
    for (const auto& topic : focusHints) {
        auto& box = Child<QLineEdit>(dialog, topic.name);
        box.setFocus();
        QVERIFY(QTest::qWaitFor([&] { return f.hint() == QString::fromUtf8(topic.hint); }));
    }
    const struct {
        const char* name;
        const char* label;
        const char* hint;
    } clickHints[] = {{"absoluteBox", "Use Absolute Thresholds", QOS_ABSOLUTE_HINT},
                      {"fixedDelayBox", "Fixed Delay", QOS_FIXED_DELAY_HINT},
                      {"bankingBox", "Allow Banking ", QOS_BANKING_HINT},
                      {"immortalBox", "Create Imortal Nodes", QOS_IMMORTAL_HINT}};
    for (const auto& topic : clickHints) {
        auto& box = Child<QCheckBox>(dialog, topic.name);
        QCOMPARE(box.accessibleName(), QString::fromLatin1(topic.label));
        ClickBox(box);
        QCOMPARE(f.hint(), QString::fromUtf8(topic.hint));
    }

    // Every field carries the text of the label beside it.
    const struct {
        const char* name;
        const char* label;
    } named[] = {{"entryBox", "QoS"},   {"rateBox", "Per Second"},
                 {"secondsBox", "Seconds Per Sample"}, {"lowBox", "Low"}, {"highBox", "High"}};
    for (const auto& field : named) {
        auto& box = Child<QLineEdit>(dialog, field.name);
        QCOMPARE(box.accessibleName(), QString::fromLatin1(field.label));
        bool hasBuddy = false;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            hasBuddy = hasBuddy
                || (label->buddy() == &box && AccessibleName(label->text()) == field.label);
        QVERIFY2(hasBuddy, field.name);
    }
    QVERIFY(Child<QLineEdit>(dialog, "entryBox").isReadOnly());
    QVERIFY(Child<QPushButton>(dialog, "okButton").isDefault());
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        const auto* field = qobject_cast<QLineEdit*>(w);
        if ((field != nullptr && !field->isReadOnly()) || qobject_cast<QAbstractButton*>(w))
            QVERIFY2(w->focusPolicy() & Qt::TabFocus, qPrintable(w->objectName()));
    }
    dialog.reject();
}

QTEST_MAIN(QosPageTest)
#include "qos_page_test.moc"
