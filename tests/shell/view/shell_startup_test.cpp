// The manager's start-up and sheet, driven offscreen through the modal seam.
#include <QDialog>
#include <QPushButton>
#include <QWindow>
#include <QTabWidget>
#include <QMessageBox>
#include <QtTest>

#include <filesystem>

#include "config/config_file.h"
#include "shell/view/old_format_dialog.h"
#include "shell/view/talvex_app.h"
#include "support/temp_dir.h"

using namespace talvex;
using talvex::testing::PatternBytes;
using talvex::testing::ReadBytes;
using talvex::testing::TempDir;
using talvex::testing::WriteBytes;

namespace {

QStringList TabCaptions(const CTalvexPropertySheet& sheet)
{
    QStringList captions;
    for (int i = 0; i < sheet.tabs()->count(); ++i)
        captions << sheet.tabs()->tabText(i);
    return captions;
}

// Answers every prompt with the button of this object name, which must read
// `text`, counts the prompts and keeps the texts of the messages.
struct PromptAnswerer {
    PromptAnswerer(QString answer, QString shown) : button(std::move(answer)), text(std::move(shown))
    {
    }
    QString button;
    QString text;
    int prompts = 0;
    QStringList messages;
    int operator()(QDialog& dialog)
    {
        ++prompts;
        if (auto* box = qobject_cast<QMessageBox*>(&dialog))
            messages << box->text();
        if (auto* b = dialog.findChild<QPushButton*>(button)) {
            if (b->text() != text)
                qFatal("%s reads %s", qPrintable(button), qPrintable(b->text()));
            b->click();
        }
        return dialog.result();
    }
};

// The caption as the desktop shows it: the changed mark only while there are
// unsaved changes.
QString ShownCaption(const QWidget& window)
{
    QString title = window.windowTitle();
    return title.replace("[*]", window.isWindowModified() ? "*" : "");
}

// An operator's change: one byte of a QoS node, and the pages' notice of it.
void ChangeSomething(TalvexApp& app)
{
    app.image().qosTable[5].flags = app.image().qosTable[5].flags ^ QOS_BANKING;
    app.context().setModified();
}

const QStringList ALL_PAGES{"Rules", "Address Masks", "Priority Queue",
                            "Quality of Service (QoS)", "Verify Configuration", "Info"};

} // namespace

class ShellStartupTest : public QObject {
    Q_OBJECT

private slots:
    void newConfigurationShowsAllPagesWithoutPrompt()
    {
        TalvexApp app({0});
        int prompts = 0;
        app.context().setModalRunner([&](QDialog&) { return ++prompts, 0; });
        app.StartUp("");
        auto sheet = app.buildSheet();
        QCOMPARE(ShownCaption(*sheet), QString("TALVEX Manager - \"New TALVEX.CFG\""));
        QCOMPARE(TabCaptions(*sheet), ALL_PAGES);
        QCOMPARE(prompts, 0);
        QVERIFY(app.hints().text().startsWith("Zorvanthis TSE Beta 1"));
        QCOMPARE(app.hints().windowTitle(), QString("Talvex Config Tool Hints"));
    }

    void newGenerationFileOpensWithoutPrompt()
    {
        TempDir dir;
        WriteBytes(dir.file("b2.cfg"), PatternBytes(32768));
        TalvexApp app({0});
        PromptAnswerer answer{"retainButton", "Retain Old Format"};
        app.context().setModalRunner(std::ref(answer));
        app.StartUp(dir.file("b2.cfg"));
        QCOMPARE(answer.prompts, 0);
        QCOMPARE(TabCaptions(*app.buildSheet()), ALL_PAGES);
    }

    void oldFileRetainedSavesThreeBlocksAfterAChange()
    {
        TempDir dir;
        WriteBytes(dir.file("b1.cfg"), PatternBytes(27648));
        TalvexApp app({0});
        PromptAnswerer answer{"retainButton", "Retain Old Format"};
        app.context().setModalRunner(std::ref(answer));
        app.StartUp(dir.file("b1.cfg"));
        QCOMPARE(answer.prompts, 1);
        auto sheet = app.buildSheet();
        QVERIFY(!TabCaptions(*sheet).contains("Priority Queue"));
        QCOMPARE(TabCaptions(*sheet).size(), 5);
        ChangeSomething(app);
        sheet->accept();
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QCOMPARE(ReadBytes(dir.file("b1.cfg")).size(), size_t(27648));
    }

    void oldFileExtendedWritesNothingWithoutAChange()
    {
        TempDir dir;
        const auto bytes = PatternBytes(27648);
        WriteBytes(dir.file("b1.cfg"), bytes);
        TalvexApp app({0});
        PromptAnswerer answer{"extendButton", "Extend To New Format"};
        app.context().setModalRunner(std::ref(answer));
        app.StartUp(dir.file("b1.cfg"));
        auto sheet = app.buildSheet();
        QCOMPARE(TabCaptions(*sheet), ALL_PAGES);
        QVERIFY(!app.modified());
        sheet->accept();
        QCOMPARE(ReadBytes(dir.file("b1.cfg")), bytes);
        // With a change, all four blocks are written.
        auto again = app.buildSheet();
        ChangeSomething(app);
        again->accept();
        QCOMPARE(ReadBytes(dir.file("b1.cfg")).size(), size_t(32768));
    }

    void closingThePromptRetains()
    {
        TempDir dir;
        WriteBytes(dir.file("b1.cfg"), PatternBytes(27648));
        TalvexApp app({0});
        app.context().setModalRunner([](QDialog& d) {
            d.reject();
            return d.result();
        });
        app.StartUp(dir.file("b1.cfg"));
        QCOMPARE(TabCaptions(*app.buildSheet()).size(), 5);
    }

    void damagedFileIsSavedBesideItUnderThePrefixedName()
    {
        TempDir dir;
        const auto bytes = PatternBytes(1000);
        WriteBytes(dir.file("net.cfg"), bytes);
        TalvexApp app({0});
        PromptAnswerer answer{"retainButton", "Retain Old Format"};
        app.context().setModalRunner(std::ref(answer));
        app.StartUp(dir.file("net.cfg"));
        QCOMPARE(answer.prompts, 2);  // why it did not load, then the old format
        auto sheet = app.buildSheet();
        const QString damaged = QString::fromStdString(dir.file("Damaged net.cfg"));
        QCOMPARE(ShownCaption(*sheet), "TALVEX Manager - \"" + damaged + "\"");
        QCOMPARE(TabCaptions(*sheet).size(), 4);
        ChangeSomething(app);
        sheet->accept();
        QCOMPARE(ReadBytes(damaged.toStdString()).size(), size_t(22528));
        QCOMPARE(ReadBytes(dir.file("net.cfg")), bytes);
    }

    void quotedNameStaysPartOfTheName()
    {
        TalvexApp app({0});
        app.context().setModalRunner([](QDialog& d) { return d.result(); });
        app.StartUp("\"no such.cfg\"");
        QCOMPARE(ShownCaption(*app.buildSheet()),
                 QString("TALVEX Manager - \"Damaged \"no such.cfg\"\""));
    }

    void cancelWritesNothing()
    {
        TempDir dir;
        const auto bytes = PatternBytes(32768);
        WriteBytes(dir.file("b2.cfg"), bytes);
        TalvexApp app({0});
        PromptAnswerer answer{"discardButton", "Discard"};
        app.context().setModalRunner(std::ref(answer));
        app.StartUp(dir.file("b2.cfg"));
        auto sheet = app.buildSheet();
        ChangeSomething(app);
        sheet->reject();
        QCOMPARE(answer.prompts, 1);
        QCOMPARE(ReadBytes(dir.file("b2.cfg")), bytes);
    }

    void leavingAfterAChangeAsksFirst()
    {
        // way: Cancel, Escape, close
        struct Row { int way; bool modified; QString answer; QString text; };
        for (const Row& row :
             {Row{0, false, "cancelButton", "Cancel"}, Row{0, true, "cancelButton", "Cancel"},
              Row{1, true, "cancelButton", "Cancel"}, Row{2, true, "discardButton", "Discard"}}) {
            TempDir dir;
            WriteBytes(dir.file("b2.cfg"), PatternBytes(32768));
            TalvexApp app({0});
            PromptAnswerer answer{row.answer, row.text};
            app.context().setModalRunner(std::ref(answer));
            app.StartUp(dir.file("b2.cfg"));
            auto sheet = app.buildSheet();
            sheet->show();
            if (row.modified)
                ChangeSomething(app);
            if (row.way == 0)
                sheet->findChild<QPushButton*>("cancelButton")->click();
            else if (row.way == 1)
                QTest::keyClick(sheet.get(), Qt::Key_Escape);
            else
                sheet->close();
            QCOMPARE(sheet->isVisible(), row.modified && row.answer == "cancelButton");
            const std::string asked = "Discard the changes to " + dir.file("b2.cfg") + "?";
            QCOMPARE(answer.messages,
                     row.modified ? QStringList{QString::fromStdString(asked)} : QStringList{});
        }
    }

    void failedSaveOffersSaveAsUntilASaveSucceeds()
    {
        TempDir dir;
        const auto bytes = PatternBytes(1000);
        WriteBytes(dir.file("x.cfg"), bytes);
        std::filesystem::create_directory(dir.file("Damaged x.cfg"));
        TalvexApp app({0});
        PromptAnswerer answer{"saveAsButton", "Save As..."};
        app.context().setModalRunner(std::ref(answer));
        // Cancelled, then a folder that does not exist, then a good name.
        QStringList picks{"", QString::fromStdString(dir.file("no/such.cfg")),
                          QString::fromStdString(dir.file("saved.cfg"))};
        QString firstOffered;
        app.context().setSaveNameChooser([&](QWidget*, const QString&, const QString& start) {
            firstOffered = firstOffered.isEmpty() ? start : firstOffered;
            return picks.takeFirst();
        });
        app.StartUp(dir.file("x.cfg"));
        auto sheet = app.buildSheet();
        sheet->show();
        ChangeSomething(app);
        sheet->accept();
        QCOMPARE(sheet->result(), int(QDialog::Accepted));
        QCOMPARE(ReadBytes(dir.file("saved.cfg")).size(), size_t(22528));
        QCOMPARE(ReadBytes(dir.file("x.cfg")), bytes);
        QVERIFY(std::filesystem::is_directory(dir.file("Damaged x.cfg")));
        // Why x.cfg did not load, then the two failed saves.
        QCOMPARE(answer.messages.size(), 4);
        QVERIFY(answer.messages[3].contains(QString::fromStdString(dir.file("no/such.cfg"))));
        QCOMPARE(firstOffered, QString::fromStdString(dir.file("Damaged x.cfg")));
    }

    void aDamagedFileSaysWhyBeforeTheOldFormatQuestionAndTheHintsStayBeside()
    {
        TempDir dir;
        WriteBytes(dir.file("net.cfg"), PatternBytes(1000));
        TalvexApp app({0});
        QStringList shown;  // the messages' texts, "prompt" for the old-format question
        bool hintsOwnedAndBack = false;
        app.context().setModalRunner([&](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d))
                shown << box->text();
            if (qobject_cast<COldFormatDlg*>(&d))
                shown << "prompt";
            if (qobject_cast<CTalvexPropertySheet*>(&d)) {
                d.show();
                QCoreApplication::processEvents();
                app.hints().close();
                app.context().ShowHint("a topic");
                hintsOwnedAndBack = app.hints().isVisible()
                    && app.hints().windowHandle()->transientParent() == d.windowHandle();
            }
            return int(QDialog::Rejected);
        });
        app.StartUp(dir.file("net.cfg"));
        app.RunSheet();
        QVERIFY(hintsOwnedAndBack);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[1], QString("prompt"));
        for (const std::string& part : {dir.file("net.cfg"), dir.file("Damaged net.cfg")})
            QVERIFY2(shown[0].contains(QString::fromStdString(part)), qPrintable(shown[0]));
        QVERIFY(shown[0].contains("could not be loaded: it is 1000 bytes long, at least"));
    }

    void failedSaveSaysWhyAndKeepsTheSheetOpen()
    {
        TempDir dir;
        // The damaged name of a missing file is taken by a directory.
        std::filesystem::create_directory(dir.file("Damaged x.cfg"));
        TalvexApp app({0});
        QString message;
        app.context().setModalRunner([&](QDialog& d) {
            if (auto* box = qobject_cast<QMessageBox*>(&d))
                message = box->text();
            return int(QDialog::Rejected);
        });
        app.StartUp(dir.file("x.cfg"));
        auto sheet = app.buildSheet();
        sheet->show();
        ChangeSomething(app);
        sheet->accept();
        QVERIFY(sheet->isVisible());
        QVERIFY2(message.contains(QString::fromStdString(dir.file("Damaged x.cfg"))),
                 qPrintable(message));
        QVERIFY2(message.contains("Is a directory"), qPrintable(message));
    }

    void pagesOpenWhenFirstShown()
    {
        TalvexApp app({0});
        app.StartUp("");
        auto sheet = app.buildSheet();
        for (TalvexPage* page : sheet->pages())
            QVERIFY(!page->hasOpened());
        sheet->show();
        QVERIFY(sheet->pages().front()->hasOpened());
        QVERIFY(!sheet->pages().back()->hasOpened());
        sheet->tabs()->setCurrentIndex(sheet->tabs()->count() - 1);
        QVERIFY(sheet->pages().back()->hasOpened());
    }
};

QTEST_MAIN(ShellStartupTest)
#include "shell_startup_test.moc"
