#pragma once
// Helpers of the manager harness: a steady clock in milliseconds, running the
// event loop until the posted work (layouts, repaints) is done, and waiting
// for a window's first paint.
#include <chrono>

class QWidget;

namespace talvex::bench {

using Clock = std::chrono::steady_clock;

inline double MillisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// CPU time of the calling thread in milliseconds. Other work on a shared
// machine stretches the wall-clock time of a step but hardly its CPU time,
// which is what the step costs on an idle machine.
double ThreadCpuMilliseconds();

// CPU time of the whole process (user and system) in milliseconds.
double ProcessCpuMilliseconds();

// Delivers the posted events twice, so that work posted while the first
// round ran (a repaint after a layout) is done too.
void Settle();

// Runs the event loop until `window` has been painted once (at most
// `timeoutMs`); false when it never was.
bool WaitForFirstPaint(QWidget& window, int timeoutMs);

} // namespace talvex::bench
