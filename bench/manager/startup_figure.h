#pragma once
#include <optional>
#include <string>

namespace talvex::bench {

// The manager's own start-up, as its main runs it but with the splash off,
// timed up to the sheet painted on screen. `launchedAt` is the wall-clock
// time (seconds since the epoch) at which the caller started the process, so
// that loading the program and its libraries is counted too. Prints one line
// of figures; the result is the exit status.
int RunStartupFigure(int argc, char** argv, const std::string& fileName,
                     std::optional<double> launchedAt);

} // namespace talvex::bench
