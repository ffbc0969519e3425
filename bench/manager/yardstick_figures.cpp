#include "yardstick_figures.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <sys/resource.h>

#include "event_settling.h"
#include "figure_lines.h"

namespace talvex::bench {

int RunBareStartup(int argc, char** argv, std::optional<double> launchedAt)
{
    const auto entered = Clock::now();
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QDialog dialog;
    dialog.resize(820, 600);
    dialog.show();
    const bool painted = WaitForFirstPaint(dialog, 10000);
    const auto shown = Clock::now();
    const double shownWall =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
    const double cpu = ProcessCpuMilliseconds();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("launch_to_shown_ms=%.3f main_to_shown_ms=%.3f cpu_to_shown_ms=%.3f maxrss_kb=%ld painted=%d\n",
                launchedAt ? (shownWall - *launchedAt) * 1e3 : -1.0,
                MillisecondsBetween(entered, shown), cpu, usage.ru_maxrss, painted ? 1 : 0);
    return painted ? 0 : 1;
}

void RunRefreshYardsticks(const QStringList& lines, const QFont& listFont, const QString& report,
                          int repeats)
{
    QDialog window;
    window.resize(820, 600);
    auto* tabs = new QTabWidget(&window);
    auto* list = new QListWidget;
    list->setFont(listFont);
    list->setTextElideMode(Qt::ElideNone);
    list->addItems(lines);
    auto* box = new QPlainTextEdit;
    tabs->addTab(list, QStringLiteral("List"));
    tabs->addTab(box, QStringLiteral("Report"));
    tabs->addTab(new QWidget, QStringLiteral("Empty"));
    (new QVBoxLayout(&window))->addWidget(tabs);
    window.show();
    WaitForFirstPaint(window, 10000);

    const QString yardstick = QStringLiteral("(yardstick)");
    // Every run flips the case of the line's first letter: a real change of
    // the line that keeps its length. The second round tells the
    // list that all its lines are of one size, so that a changed line does
    // not make it measure every line again.
    const int row = std::min(40, static_cast<int>(lines.size()) - 1);
    for (const bool uniform : {false, true}) {
        list->setUniformItemSizes(uniform);
        tabs->setCurrentWidget(list);
        if (row >= 0)
            list->scrollToItem(list->item(row));
        Settle();
        Figure lineText{yardstick, uniform ? "list-line-text-uniform" : "list-line-text"};
        for (int i = 0; i < repeats && row >= 0; ++i) {
            QString text = list->item(row)->text();
            if (!text.isEmpty())
                text[0] = text[0].isUpper() ? text[0].toLower() : text[0].toUpper();
            Measure(lineText, [&] { list->item(row)->setText(text); });
        }
        PrintFigure(lineText);
    }
    list->setUniformItemSizes(false);

    Figure listSwitch{yardstick, "switch-to-list"};
    for (int i = 0; i < repeats; ++i) {
        tabs->setCurrentIndex(2);
        Settle();
        Measure(listSwitch, [&] { tabs->setCurrentWidget(list); });
    }
    PrintFigure(listSwitch);

    Figure reportText{yardstick, "report-text"};
    tabs->setCurrentWidget(box);
    Settle();
    for (int i = 0; i < repeats; ++i)
        Measure(reportText, [&] { box->setPlainText(report); });
    PrintFigure(reportText);
    window.close();
}

} // namespace talvex::bench
