#include <ostream>

#include "cli/cli_list.h"

namespace talvex::cli {

void ListPriQ(ConfigImage& /*image*/, std::ostream& /*out*/)
{
}

} // namespace talvex::cli
