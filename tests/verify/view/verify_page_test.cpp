#include <QFocusEvent>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <string>

#include "config/config_file.h"
#include "verify/verification.h"
#include "verify/view/verify_page.h"

using namespace talvex;

namespace {

QString DisplayedReport(const ConfigImage& image)
{
    std::string report;
    VerifyConfiguration(image, report);
    return QString::fromStdString(report).replace("\r\n", "\n");
}

} // namespace

class VerifyPageTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void showsTheReportWhenCreated();
    void refreshesAfterAnEditMadeElsewhereWhenActivated();
    void refreshesWhenTheBoxGetsTheFocusAndDropsTypedText();
    void neverChangesTheImage();
    void boxIsAFixedPitchScrollingTextBoxWithAName();

private:
    ConfigImage image_;
    bool modified_ = false;
};

void VerifyPageTest::init()
{
    image_ = ConfigImage{};
    ResetTables(image_);
    modified_ = false;
}

void VerifyPageTest::showsTheReportWhenCreated()
{
    ShellContext context(image_, modified_, QFont("Courier New"), QFont("Courier New"), {});
    CTalvexVerify page(context);
    QCOMPARE(page.caption(), QString("Verify Configuration"));
    QCOMPARE(page.reportBox()->toPlainText(), DisplayedReport(image_));
    QVERIFY(page.reportBox()->toPlainText().endsWith("\nConfig Passes Validation Tests."));
}

void VerifyPageTest::refreshesAfterAnEditMadeElsewhereWhenActivated()
{
    ShellContext context(image_, modified_, QFont("Courier New"), QFont("Courier New"), {});
    CTalvexVerify page(context);
    page.activate();
    image_.ruleTable[4].ruleFlags = RULE_DEFINED;
    image_.ruleTable[4].thenAction = ACTION_QOS;
    image_.ruleTable[4].thenParam = 9;
    QVERIFY(!page.reportBox()->toPlainText().contains("QoS 9"));
    page.activate();
    QVERIFY(page.reportBox()->toPlainText().contains("Rule 4 Then Action: QoS 9 Empty\n"));
    QCOMPARE(page.reportBox()->toPlainText(), DisplayedReport(image_));
}

void VerifyPageTest::refreshesWhenTheBoxGetsTheFocusAndDropsTypedText()
{
    ShellContext context(image_, modified_, QFont("Courier New"), QFont("Courier New"), {});
    CTalvexVerify page(context);
    page.reportBox()->setPlainText("typed by the operator");
    image_.maskTable[2].flags = MASK_BIDIR_QOS;
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(page.reportBox(), &focusIn);
    QCOMPARE(page.reportBox()->toPlainText(), DisplayedReport(image_));
    QVERIFY(page.reportBox()->toPlainText().contains("\nMask 2 Is Empty But Has Non-Zero Flags"));
}

void VerifyPageTest::neverChangesTheImage()
{
    image_.priQTable[0].flags = PQ_IN_USE | PQ_END;
    image_.ruleTable[0].thenAction = ACTION_GOTO_RULE;
    const ConfigImage before = image_;
    ShellContext context(image_, modified_, QFont("Courier New"), QFont("Courier New"), {});
    CTalvexVerify page(context);
    page.activate();
    page.refreshReport();
    QVERIFY(std::ranges::equal(TableBytes(before.ruleTable), TableBytes(image_.ruleTable)));
    QVERIFY(std::ranges::equal(TableBytes(before.priQTable), TableBytes(image_.priQTable)));
    QVERIFY(!modified_);
}

void VerifyPageTest::boxIsAFixedPitchScrollingTextBoxWithAName()
{
    ShellContext context(image_, modified_, QFont("Courier New"), QFont("Courier New"), {});
    CTalvexVerify page(context);
    QPlainTextEdit* box = page.reportBox();
    QVERIFY(!box->isReadOnly());
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(box->font().fixedPitch());
    QVERIFY(!box->accessibleName().isEmpty());
    QVERIFY(box->focusPolicy() & Qt::TabFocus);
}

QTEST_MAIN(VerifyPageTest)
#include "verify_page_test.moc"
