// The sheet's own keys and the lists' new ones, in a real sheet over a saved
// configuration: undo and redo, saving without leaving, no save from a stray
// Return, copy and duplicate, and a finding that leads to its entry.
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QtTest>

#include "config/config_file.h"
#include "shell/view/talvex_app.h"
#include "support/fresh_image.h"
#include "support/gui_fixture.h"
#include "support/temp_dir.h"
#include "verify/view/verify_page.h"
#include "widgets/choice_list.h"
#include "widgets/table_list_page.h"

using namespace talvex;
using namespace talvex::testing;

namespace {

// A Beta 2 file whose rule 3 goes to rule 9, which is empty, and a sheet
// over it, shown and active.
struct Sheet {
    Sheet()
    {
        auto image = FreshImage();
        image->ruleTable[3].setCodeWord(NEW_RULE_DEFAULT);
        image->ruleTable[3].thenAction = ACTION_GOTO_RULE;
        image->ruleTable[3].thenParam = 9;
        WriteBytes(file, ConfigFileBytes(*image));
        app.context().setModalRunner([this](QDialog& d) { return answer ? answer(d) : 0; });
        app.StartUp(file);
        sheet = app.buildSheet();
        ShowActive(*sheet);
        rules().list().setFocus();
    }
    TableListPage& rules() const { return *qobject_cast<TableListPage*>(sheet->pages()[0]); }
    QListWidget& list() const { return rules().list(); }
    bool marked() const { return sheet->isWindowModified(); }

    TempDir dir;
    std::string file = dir.file("net.cfg");
    TalvexApp app{{0}};
    std::function<int(QDialog&)> answer;
    std::unique_ptr<CTalvexPropertySheet> sheet;
};

} // namespace

class SheetCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedoGiveBackEachStepAndSayWhat()
    {
        Sheet s;
        const auto saved = ReadBytes(s.file);
        SelectOnlyItem(s.list(), 3);
        QTest::keyClick(&s.list(), Qt::Key_Delete);
        QVERIFY(s.list().item(3)->text().startsWith("{Unused}") && s.marked());
        QTest::keyClick(s.sheet.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!s.list().item(3)->text().startsWith("{Unused}"));
        QCOMPARE(s.app.hints().text(), QString("Undone: Delete of rule 3"));
        QVERIFY(!s.marked() && s.list().item(3)->isSelected());
        QTest::keyClick(s.sheet.get(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(s.list().item(3)->text().startsWith("{Unused}") && s.marked());
        QTest::keyClick(s.sheet.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(s.sheet.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(s.app.hints().text(), QString("Redone: Delete of rule 3"));
        QCOMPARE(ReadBytes(s.file), saved);
    }

    void saveKeepsTheSheetOpenAndSaveAsEditsTheNewFile()
    {
        Sheet s;
        SelectOnlyItem(s.list(), 3);
        QTest::keyClick(&s.list(), Qt::Key_Delete);
        QVERIFY(Child<QPushButton>(*s.sheet, "applyButton").isEnabled());
        QTest::keyClick(s.sheet.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(s.sheet->isVisible() && !s.marked());
        QVERIFY(!Child<QPushButton>(*s.sheet, "applyButton").isEnabled());
        QCOMPARE(ReadBytes(s.file).size(), std::size_t(32768));
        QVERIFY(s.app.image().ruleTable[3].codeWord() == 0);

        const std::string other = s.dir.file("copy.cfg");
        s.app.context().setSaveNameChooser(
            [&](QWidget*, const QString&, const QString&) {
                return QString::fromStdString(other);
            });
        QTest::keyClick(s.sheet.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(ReadBytes(other), ReadBytes(s.file));
        QVERIFY(s.sheet->windowTitle().contains(QString::fromStdString(other)));
    }

    void returnOnTheTabBarNeitherSavesNorCloses()
    {
        Sheet s;
        SelectOnlyItem(s.list(), 3);
        QTest::keyClick(&s.list(), Qt::Key_Delete);
        const auto saved = ReadBytes(s.file);
        s.sheet->tabs()->tabBar()->setFocus();
        QTest::keyClick(s.sheet->tabs()->tabBar(), Qt::Key_Return);
        QVERIFY(s.sheet->isVisible());
        QCOMPARE(ReadBytes(s.file), saved);
    }

    void listKeysCopyDuplicateAndDeleteOnlyWhatIsSelected()
    {
        Sheet s;
        s.list().clearSelection();
        QTest::keyClick(&s.list(), Qt::Key_Delete);
        QVERIFY(!s.marked() && s.list().selectedItems().isEmpty());
        SelectOnlyItem(s.list(), 3);
        QTest::keyClick(&s.list(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QApplication::clipboard()->text().startsWith(
            "TALVEX configuration Beta 2\nrule 3 "));
        QTest::keyClick(&s.list(), Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(s.list().currentRow(), 0);
        QCOMPARE(s.app.image().ruleTable[0].thenParam, 9);
        QStringList menu;
        for (const QAction* action : s.rules().menuActions())
            menu << action->text().section(u'\t', 0, 0);
        QCOMPARE(menu, (QStringList{"&Add...", "&Edit...", "Dup&licate", "&Delete", "&Up",
                                    "D&n", "&Copy", "", "Undo", "Redo"}));
    }

    void aFindingLeadsToItsEntry()
    {
        Sheet s;
        s.sheet->tabs()->setCurrentIndex(4);
        auto& report = Child<QPlainTextEdit>(*s.sheet, "reportBox");
        report.setFocus();
        QTextCursor cursor = report.document()->find("Rule 3 Then Action: Rule 9 Empty");
        QVERIFY(!cursor.isNull());
        report.setTextCursor(cursor);
        QTest::keyClick(&report, Qt::Key_Return);
        QCOMPARE(s.sheet->tabs()->currentIndex(), 0);
        QCOMPARE(SelectedLines(s.list()), QList<int>{3});
        QVERIFY(s.list().hasFocus());
    }
};

QTEST_MAIN(SheetCommandsTest)
#include "sheet_commands_test.moc"
