#include "tables/config_tables.h"

#include <array>

#include "pages/masks/mask_config_table.h"
#include "pages/priq/priq_config_table.h"
#include "pages/qos/qos_config_table.h"
#include "pages/rules/rule_config_table.h"

namespace talvex {

namespace {

// The tables hold no state: one constant object of each serves every image.
// In the order of TableKind.
const RuleConfigTable RULES;
const MaskConfigTable MASKS;
const PriQConfigTable PRIQ;
const QosConfigTable QOS;

constexpr std::array<const ConfigTable*, TABLE_KIND_COUNT> TABLES{&RULES, &MASKS, &PRIQ, &QOS};

} // namespace

std::span<const ConfigTable* const> ConfigTables() { return TABLES; }

const ConfigTable* FindConfigTable(std::string_view name)
{
    const auto kind = TableNamed(name);
    return kind ? &ConfigTableOf(*kind) : nullptr;
}

const ConfigTable& ConfigTableOf(TableKind kind) { return *TABLES[static_cast<std::size_t>(kind)]; }

void DeriveAsPagesOpen(ConfigImage& image) { DeriveOnOpen(image, TABLES); }

} // namespace talvex
