#include "tabseed/tabseed_run.h"

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // Seeded from the C library's calendar clock, once, in whole seconds.
    const auto seed = static_cast<std::uint32_t>(std::time(nullptr));
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tabseed::RunTabseed(std::move(arguments), seed, {stdout, stderr});
}
