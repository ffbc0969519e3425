#pragma once
// Timing commands in the shown window and printing the figures, one line
// each: the minimum and median over the runs, until the command returned
// ("work") and until its posted work and repaint were done ("repainted"), in
// wall-clock time, and the least thread CPU time of the whole ("cpu").
//
// Run under `valgrind --tool=callgrind`, every run also writes a callgrind
// dump named after its figure ("Rules edit-ok"), holding the instructions
// of exactly that run: bench/callgrind-refresh reads them.
#include <QString>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "event_settling.h"

namespace talvex::bench {

// The moment a run starts.
struct Mark {
    Clock::time_point wall;
    double cpu = 0;
};

// Takes the start of a run now (and starts the callgrind count afresh).
Mark MarkNow();

struct Figure {
    Figure(QString pageCaption, std::string command) : page(std::move(pageCaption)), what(std::move(command)) {}

    QString page;
    std::string what;
    std::vector<double> work;
    std::vector<double> repainted;
    std::vector<double> cpu;
};

// One run: `command`, then the event loop settles. Timed from `from` when
// given (a mark taken inside the command, such as an editor's OK), else from
// the command's start.
void Measure(Figure& figure, const std::function<void()>& command, const Mark* from = nullptr);

void PrintFigure(const Figure& figure);

} // namespace talvex::bench
