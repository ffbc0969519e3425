#include "event_settling.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <ctime>
#include <sys/resource.h>

namespace talvex::bench {

namespace {

class PaintWatcher : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

} // namespace

double ThreadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double ProcessCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void Settle()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool WaitForFirstPaint(QWidget& window, int timeoutMs)
{
    PaintWatcher watcher;
    window.installEventFilter(&watcher);
    const auto start = Clock::now();
    while (!watcher.painted && MillisecondsBetween(start, Clock::now()) < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    // The paint that was seen started the window's whole repaint; let it end.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    window.removeEventFilter(&watcher);
    return watcher.painted;
}

} // namespace talvex::bench
