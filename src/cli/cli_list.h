#pragma once
// One function per table for `talvexcfg list TABLE FILE`: each writes the
// table's list lines of the loaded image, one LF after each.
#include <iosfwd>

#include "config/records.h"

namespace talvex::cli {

void ListRules(ConfigImage& image, std::ostream& out);
void ListMasks(ConfigImage& image, std::ostream& out);
void ListPriQ(ConfigImage& image, std::ostream& out);
void ListQos(ConfigImage& image, std::ostream& out);

} // namespace talvex::cli
