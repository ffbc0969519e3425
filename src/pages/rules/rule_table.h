#pragma once
// The rule table as the Rules page and its editor address it.
#include <array>

#include "config/records.h"

namespace talvex {

using RuleTable = std::array<RuleRecord, RULE_COUNT>;

} // namespace talvex
