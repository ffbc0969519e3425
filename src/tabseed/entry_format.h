#pragma once

#include "tabseed/address_forms.h"
#include "tabseed/connection_entry.h"

#include <string_view>

namespace tabseed {

// The lines written once at the top of every file the program opens.
inline constexpr std::string_view FILE_HEADER =
    "\r\n#"
    "\r\n# TABSEED - Talvex Connection Table - Test Data"
    "\r\n# ~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~"
    "\r\n#";

// Upper bound of one formatted entry: the line break, both sides, the
// direction, the comma, and seventeen columns with their separators.
inline constexpr int MAX_NUMERIC_COLUMN_BYTES = 17 * 10 + 16 * 2;
inline constexpr int MAX_ENTRY_BYTES = 2 + 2 * MAX_ADDRESS_BYTES + 5 + 1 + MAX_NUMERIC_COLUMN_BYTES;

// Writes the seventeen numeric columns, ", " between them.
char* FormatNumericColumns(const ConnectionEntry& entry, char* out);

// Writes one whole entry: CR LF, source, direction, destination, comma and
// the numeric columns. At most MAX_ENTRY_BYTES are written.
char* FormatEntry(const ConnectionEntry& entry, char* out);

} // namespace tabseed
