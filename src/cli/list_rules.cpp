#include <ostream>

#include "cli/cli_list.h"

namespace talvex::cli {

void ListRules(ConfigImage& /*image*/, std::ostream& /*out*/)
{
}

} // namespace talvex::cli
