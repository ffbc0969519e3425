#pragma once
// The four tables of the image, each as its ConfigTable, for whoever works
// on all of them or picks one by name: talvexcfg's list and diff.
#include <span>
#include <string_view>

#include "config/config_table.h"

namespace talvex {

// Rules, address masks, priority queues and QoS nodes: the order of the
// sheet's pages.
std::span<const ConfigTable* const> ConfigTables();

// The table talvexcfg or the text calls `name` ("rules" or "rule", "masks"
// or "mask", "priq", "qos"), or nullptr.
const ConfigTable* FindConfigTable(std::string_view name);

const ConfigTable& ConfigTableOf(TableKind kind);

// The fields every page derives when it opens (ConfigTable::deriveOnOpen),
// so that the image is what the manager shows.
void DeriveAsPagesOpen(ConfigImage& image);

} // namespace talvex
