#pragma once
// The consistency check of a whole configuration: references to empty or
// out-of-range entries, broken priority-queue structures and contradictory
// flags, written as a CR LF text report.
#include <string>
#include <vector>

#include "config/records.h"

namespace talvex {

// Replaces `report` with the full report of the image and returns true when
// at least one error was found. The image is only read.
bool VerifyConfiguration(const ConfigImage& image, std::string& report);

// The finding lines of the same report, in its order, without their line
// breaks.
std::vector<std::string> VerificationFindings(const ConfigImage& image);

} // namespace talvex
