#include "tabseed/tabseed_run.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    // The entries and messages carry their own CR LF: the streams must pass
    // them unchanged, as the files are opened.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // Seeded from the C library's calendar clock, once, in whole seconds.
    const auto seed = static_cast<std::uint32_t>(std::time(nullptr));
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tabseed::RunTabseed(std::move(arguments), seed, {stdout, stderr});
}
