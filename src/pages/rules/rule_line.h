#pragma once
// The one-line text the Rules page shows for each slot.
#include <string>

#include "config/records.h"

namespace talvex {

// "{Unused} #007" for an unused slot, otherwise
// "Rule #003: ...If <condition>Then <action> [param ]Else <action> [param ]".
std::string RuleLineText(const RuleRecord& rule, int slot);

} // namespace talvex
