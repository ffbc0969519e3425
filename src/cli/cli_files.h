#pragma once
// Loading and saving for the commands, and the one line that reports a
// failure on standard error.
#include <iosfwd>
#include <string>
#include <string_view>

#include "config/failure.h"
#include "config/records.h"

namespace talvex::cli {

// "talvexcfg: SUBJECT: reason", with ":LINE" after SUBJECT when the failure
// has a line.
void ReportFailure(std::ostream& err, std::string_view subject, const Failure& failure);

// Opens FILE the way the manager does at start-up (OpenConfig). On failure
// one line naming the file and the reason goes to err and the result is
// false. The old-format question is left unanswered: the image keeps the
// generation of the file.
bool LoadForCli(ConfigImage& image, const std::string& fileName, std::ostream& err);

// Saves the image to OUT the manager's safe way. On failure one line,
// "talvexcfg: cannot write OUT: reason", goes to err and the result is
// false; an existing OUT is then as it was.
bool SaveForCli(const ConfigImage& image, const std::string& outName, std::ostream& err);

} // namespace talvex::cli
