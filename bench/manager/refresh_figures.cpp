#include "refresh_figures.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <clocale>
#include <cstdio>

#include "widgets/choice_list.h"
#include "figure_lines.h"
#include "shell/view/talvex_app.h"
#include "yardstick_figures.h"

namespace talvex::bench {

namespace {

QPushButton* ButtonOf(QWidget& page, const QString& text)
{
    for (QPushButton* button : page.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

// Changes the first enabled, writable number box of the editor by flipping
// the number's lowest bit, so that OK stores a real change (and two edits in
// a row give the record back). Returns the box's accessible name, or an
// empty text when the editor has no such box.
QString NudgeFirstNumber(QDialog& editor)
{
    for (QLineEdit* box : editor.findChildren<QLineEdit*>()) {
        if (!box->isEnabled() || box->isReadOnly())
            continue;
        bool isNumber = false;
        const int value = box->text().toInt(&isNumber);
        if (!isNumber)
            continue;
        box->setText(QString::number(value ^ 1));
        return box->accessibleName();
    }
    return {};
}

// Edit... on `row` with an editor that gets one number changed and is
// confirmed at once; timed from the editor's OK.
bool EditFigure(ShellContext& context, QWidget& page, int row, int repeats, Figure& figure)
{
    auto* list = page.findChild<QListWidget*>();
    QPushButton* edit = ButtonOf(page, QStringLiteral("Edit..."));
    if (list == nullptr || edit == nullptr || row >= list->count())
        return false;
    Mark okAt;
    bool accepted = true;
    QString changed;
    context.setModalRunner([&](QDialog& dialog) {
        changed = NudgeFirstNumber(dialog);
        dialog.accept();
        okAt = MarkNow();
        accepted = accepted && dialog.result() == QDialog::Accepted;
        return dialog.result();
    });
    for (int i = 0; i < repeats && accepted; ++i) {
        list->setCurrentRow(row);
        Settle();
        Measure(figure, [&] { edit->click(); }, &okAt);
    }
    context.setModalRunner({});
    if (accepted) {
        std::printf("edited page=\"%s\" field=\"%s\"\n",
                    figure.page.toUtf8().constData(), changed.toUtf8().constData());
    }
    return accepted;
}

// Dn on `row`, then Up to put it back; both are timed.
bool MoveFigure(QWidget& page, int row, int repeats, Figure& figure)
{
    auto* list = page.findChild<QListWidget*>();
    QPushButton* up = ButtonOf(page, QStringLiteral("Up"));
    QPushButton* down = ButtonOf(page, QStringLiteral("Dn"));
    if (list == nullptr || up == nullptr || down == nullptr || row + 1 >= list->count())
        return false;
    for (int i = 0; i < repeats; ++i) {
        list->setCurrentRow(row);
        Settle();
        for (QPushButton* button : {down, up})
            Measure(figure, [&] { button->click(); });
    }
    return true;
}

// FitListWidth over the page's list alone: the part of every list refresh
// that measures the lines in the list's font.
bool FitWidthFigure(QWidget& page, int repeats, Figure& figure)
{
    auto* list = page.findChild<QListWidget*>();
    if (list == nullptr)
        return false;
    for (int i = 0; i < repeats; ++i)
        Measure(figure, [&] { FitListWidth(*list); });
    return true;
}

// Switching to the page from the last page of the sheet.
void SwitchFigure(QTabWidget& tabs, QWidget& page, int repeats, Figure& figure)
{
    QWidget* away = tabs.widget(tabs.count() - 1);
    if (away == &page)
        away = tabs.widget(0);
    for (int i = 0; i < repeats; ++i) {
        tabs.setCurrentWidget(away);
        Settle();
        Measure(figure, [&] { tabs.setCurrentWidget(&page); });
    }
}

} // namespace

int RunRefreshFigures(int argc, char** argv, const std::string& fileName, int repeats)
{
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");
    TalvexApp manager(TalvexApp::Options{0});
    manager.StartUp(fileName);
    auto sheet = manager.buildSheet();
    sheet->show();
    if (!WaitForFirstPaint(*sheet, 10000)) {
        std::fprintf(stderr, "manager_bench: the sheet was never painted\n");
        return 1;
    }
    QTabWidget& tabs = *sheet->tabs();
    int status = 0;
    for (TalvexPage* page : sheet->pages()) {
        tabs.setCurrentWidget(page);
        Settle();
        // Lines in the middle of the table: entry 40 exists on every page.
        const QString caption = page->caption();
        Figure edit{caption, "edit-ok"};
        if (EditFigure(manager.context(), *page, 40, repeats, edit)) {
            PrintFigure(edit);
        } else if (!edit.work.empty()) {
            std::fprintf(stderr, "manager_bench: the editor of page %s refused OK\n",
                         caption.toUtf8().constData());
            status = 1;
        }
        Figure move{caption, "up-dn"};
        if (MoveFigure(*page, 40, repeats, move))
            PrintFigure(move);
        Figure fit{caption, "fit-list-width"};
        if (FitWidthFigure(*page, repeats, fit))
            PrintFigure(fit);
        Figure switched{caption, "page-switch"};
        SwitchFigure(tabs, *page, repeats, switched);
        PrintFigure(switched);
    }
    // The yardsticks work on the same texts: the Rules page's lines and the
    // Verify page's report.
    QStringList lines;
    QFont listFont;
    QString report;
    for (TalvexPage* page : sheet->pages()) {
        if (auto* list = page->findChild<QListWidget*>(); list != nullptr && lines.isEmpty()) {
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text();
            listFont = list->font();
        }
        if (auto* box = page->findChild<QPlainTextEdit*>(); box != nullptr && report.isEmpty())
            report = box->toPlainText();
    }
    sheet->close();
    manager.hints().close();
    RunRefreshYardsticks(lines, listFont, report, repeats);
    return status;
}

} // namespace talvex::bench
