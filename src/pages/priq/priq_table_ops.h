#pragma once
// The names the Priority Queue page called before PriQConfigTable. They stay
// only until the page runs on PriQConfigTable; remove this file then.
#include <optional>
#include <span>

#include "pages/priq/priq_config_table.h"

namespace talvex {

// PriQConfigTable::firstUnused.
std::optional<int> FirstUnusedEntry(const PriQTable& table);

// PriQConfigTable::deleteEntries: the line to select; 64 after deleting
// entry 63, which selects nothing.
int DeleteSelectedEntries(PriQTable& table, std::span<const int> selectedLines);

} // namespace talvex
