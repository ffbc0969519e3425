#pragma once
// Opens FILE the way the manager does at start-up (OpenConfig). On failure
// one line naming the file and the reason goes to err and the result is
// false. The old-format question is left unanswered: the image keeps the
// generation of the file.
#include <iosfwd>
#include <string>

#include "config/records.h"

namespace talvex::cli {

bool LoadForCli(ConfigImage& image, const std::string& fileName, std::ostream& err);

} // namespace talvex::cli
