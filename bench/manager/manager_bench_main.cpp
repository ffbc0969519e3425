// manager_bench: start-up and page-refresh figures of the manager, offscreen.
//
//   manager_bench startup FILE [LAUNCHED_AT]   LAUNCHED_AT: epoch seconds
//   manager_bench refresh FILE [REPEATS]
//   manager_bench bare - [LAUNCHED_AT]         the start-up yardstick
//
// The program's own code runs exactly as in talvexmgr; only the splash is
// off and the modal runs are answered by the harness.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "refresh_figures.h"
#include "startup_figure.h"
#include "yardstick_figures.h"

namespace {

std::optional<double> ReadNumber(const char* text)
{
    double value = 0;
    const char* end = text + std::strlen(text);
    const auto [at, error] = std::from_chars(text, end, value);
    if (error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: manager_bench startup FILE [LAUNCHED_AT]\n"
                             "       manager_bench refresh FILE [REPEATS]\n"
                             "       manager_bench bare - [LAUNCHED_AT]\n");
        return 2;
    }
    const std::string mode = argv[1];
    const std::string fileName = argv[2];
    const std::optional<double> number = argc == 4 ? ReadNumber(argv[3]) : std::nullopt;
    if (argc == 4 && !number) {
        std::fprintf(stderr, "manager_bench: not a number: %s\n", argv[3]);
        return 2;
    }
    if (mode == "startup")
        return talvex::bench::RunStartupFigure(argc, argv, fileName, number);
    if (mode == "bare")
        return talvex::bench::RunBareStartup(argc, argv, number);
    if (mode == "refresh")
        return talvex::bench::RunRefreshFigures(argc, argv, fileName, number ? static_cast<int>(*number) : 30);
    std::fprintf(stderr, "manager_bench: unknown mode %s\n", mode.c_str());
    return 2;
}
