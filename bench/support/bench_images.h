#pragma once
// Configurations for the benchmarks. The worst case uses every entry of every
// table, gives every rule two references (many of them to empty or
// out-of-range entries), breaks the priority-queue structure and sets the
// flags that verification complains about, so every check and every list
// line does its longest work.
#include <cstdint>
#include <string>
#include <vector>

#include "config/records.h"

namespace talvex::bench {

// The worst case; `variant` shifts the references so that files made from
// different variants differ while staying equally bad.
void FillWorstCaseImage(ConfigImage& image, std::uint32_t variant = 0);

// A newly reset image: nothing in use, nothing to report.
void FillResetImage(ConfigImage& image);

// Writes `bytes` to `path`, replacing the file; false when that failed.
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace talvex::bench
