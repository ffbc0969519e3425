#include <ostream>

#include "cli/cli_list.h"
#include "pages/rules/rule_line.h"
#include "pages/rules/rule_table_ops.h"

namespace talvex::cli {

// The 256 lines as the Rules page shows them when it opens.
void ListRules(ConfigImage& image, std::ostream& out)
{
    StampRuleNumbers(image.ruleTable);
    for (int s = 0; s < RULE_COUNT; ++s)
        out << RuleLineText(image.ruleTable[static_cast<std::size_t>(s)], s) << '\n';
}

} // namespace talvex::cli
