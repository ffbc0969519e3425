#pragma once
// Which benchmark is measured against which yardstick in the summary.
#include <span>
#include <string_view>

namespace talvex::bench {

struct FigurePair {
    std::string_view figure;     // benchmark name as Google Benchmark prints it
    std::string_view yardstick;  // the plain operation it is set beside
    // Compared by wall-clock time (operations that wait for the disk);
    // otherwise by CPU time, which other work on a shared machine disturbs
    // far less.
    bool byRealTime = false;
};

std::span<const FigurePair> FigurePairs();

} // namespace talvex::bench
