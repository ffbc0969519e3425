#include <QFocusEvent>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <string>

#include "support/gui_fixture.h"
#include "verify/verification.h"
#include "verify/view/verify_page.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

QString DisplayedReport(const ConfigImage& image)
{
    std::string report;
    VerifyConfiguration(image, report);
    return QString::fromStdString(report).replace("\r\n", "\n");
}

QPlainTextEdit& ReportBox(const CTalvexVerify& page)
{
    return Child<QPlainTextEdit>(page, "reportBox");
}

} // namespace

class VerifyPageTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheReportWhenCreated();
    void refreshesAfterAnEditMadeElsewhereWhenActivated();
    void refreshesWhenTheBoxGetsTheFocusAndDropsTypedText();
    void neverChangesTheImage();
    void boxIsAFixedPitchScrollingTextBoxWithAName();
};

void VerifyPageTest::showsTheReportWhenCreated()
{
    GuiFixture f;
    CTalvexVerify page(f.context);
    QCOMPARE(page.caption(), QString("Verify Configuration"));
    QCOMPARE(ReportBox(page).toPlainText(), DisplayedReport(f.image));
    QVERIFY(ReportBox(page).toPlainText().endsWith("\nConfig Passes Validation Tests."));
}

void VerifyPageTest::refreshesAfterAnEditMadeElsewhereWhenActivated()
{
    GuiFixture f;
    CTalvexVerify page(f.context);
    page.activate();
    f.image.ruleTable[4].ruleFlags = RULE_DEFINED;
    f.image.ruleTable[4].thenAction = ACTION_QOS;
    f.image.ruleTable[4].thenParam = 9;
    QVERIFY(!ReportBox(page).toPlainText().contains("QoS 9"));
    page.activate();
    QVERIFY(ReportBox(page).toPlainText().contains("Rule 4 Then Action: QoS 9 Empty\n"));
    QCOMPARE(ReportBox(page).toPlainText(), DisplayedReport(f.image));
}

void VerifyPageTest::refreshesWhenTheBoxGetsTheFocusAndDropsTypedText()
{
    GuiFixture f;
    CTalvexVerify page(f.context);
    ReportBox(page).setPlainText("typed by the operator");
    f.image.maskTable[2].flags = MASK_BIDIR_QOS;
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(&ReportBox(page), &focusIn);
    QCOMPARE(ReportBox(page).toPlainText(), DisplayedReport(f.image));
    QVERIFY(ReportBox(page).toPlainText().contains("\nMask 2 Is Empty But Has Non-Zero Flags"));
}

void VerifyPageTest::neverChangesTheImage()
{
    GuiFixture f;
    f.image.priQTable[0].flags = PQ_IN_USE | PQ_END;
    f.image.ruleTable[0].thenAction = ACTION_GOTO_RULE;
    const ConfigImage before = f.image;
    CTalvexVerify page(f.context);
    page.activate();
    page.refreshReport();
    QVERIFY(std::ranges::equal(TableBytes(before.ruleTable), TableBytes(f.image.ruleTable)));
    QVERIFY(std::ranges::equal(TableBytes(before.priQTable), TableBytes(f.image.priQTable)));
    QVERIFY(!f.modified);
}

void VerifyPageTest::boxIsAFixedPitchScrollingTextBoxWithAName()
{
    GuiFixture f;
    CTalvexVerify page(f.context);
    QPlainTextEdit& box = ReportBox(page);
    QVERIFY(box.isReadOnly());
    QCOMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(box.font().fixedPitch());
    QVERIFY(!box.accessibleName().isEmpty());
    QVERIFY(box.focusPolicy() & Qt::TabFocus);
}

QTEST_MAIN(VerifyPageTest)
#include "verify_page_test.moc"
