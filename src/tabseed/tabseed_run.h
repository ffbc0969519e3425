#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tabseed {

struct StandardStreams {
    std::FILE* output;
    std::FILE* errors;
};

inline constexpr int STATUS_SUCCESS = 0;
inline constexpr int STATUS_FAILURE = 1;

// The whole program after start-up: reads the options (without the program
// name), writes the entries drawn from `seed` and returns the exit status:
// success only when every option was valid, every named file opened and
// every write succeeded.
int RunTabseed(std::vector<std::string> arguments, std::uint32_t seed, StandardStreams streams);

} // namespace tabseed
