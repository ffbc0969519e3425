#pragma once
// Some entries of one table as the configuration text writes them: the
// header line and the lines of those entries, exactly as `talvexcfg export`
// writes them (an entry as a new configuration holds it has no line). What
// the manager copies for a ticket or a text file.
#include <span>
#include <string>

#include "config/records.h"
#include "config/table_kind.h"
#include "textform/derivation.h"

namespace talvex::textform {

std::string WriteEntriesText(const ConfigImage& image, TableKind table,
                             std::span<const int> entries, DerivingTables tables);

} // namespace talvex::textform
