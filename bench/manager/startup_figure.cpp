#include "startup_figure.h"

#include <QApplication>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <sys/resource.h>

#include "event_settling.h"
#include "shell/view/talvex_app.h"

namespace talvex::bench {

int RunStartupFigure(int argc, char** argv, const std::string& fileName,
                     std::optional<double> launchedAt)
{
    const auto entered = Clock::now();
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication application(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const auto qtReady = Clock::now();

    TalvexApp manager(TalvexApp::Options{0});
    manager.StartUp(fileName);
    const auto startedUp = Clock::now();
    auto sheet = manager.buildSheet();
    const auto built = Clock::now();
    sheet->show();
    const bool painted = WaitForFirstPaint(*sheet, 10000);
    const auto shown = Clock::now();
    const double shownWall =
        std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();

    const double cpu = ProcessCpuMilliseconds();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("launch_to_shown_ms=%.3f main_to_shown_ms=%.3f cpu_to_shown_ms=%.3f qapplication_ms=%.3f "
                "startup_ms=%.3f build_sheet_ms=%.3f show_ms=%.3f maxrss_kb=%ld painted=%d\n",
                launchedAt ? (shownWall - *launchedAt) * 1e3 : -1.0,
                MillisecondsBetween(entered, shown), cpu, MillisecondsBetween(entered, qtReady),
                MillisecondsBetween(qtReady, startedUp), MillisecondsBetween(startedUp, built),
                MillisecondsBetween(built, shown), usage.ru_maxrss, painted ? 1 : 0);
    sheet->close();
    manager.hints().close();
    return painted ? 0 : 1;
}

} // namespace talvex::bench
