#pragma once
// Loads FILE the way the manager does at start-up: ResetTables, LoadConfig,
// ClearRuntimeFields. On failure one line naming the file and the reason
// goes to err and the result is false.
#include <iosfwd>
#include <string>

#include "config/records.h"

namespace talvex::cli {

bool LoadForCli(ConfigImage& image, const std::string& fileName, std::ostream& err);

} // namespace talvex::cli
