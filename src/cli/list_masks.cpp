#include <ostream>

#include "cli/cli_list.h"

namespace talvex::cli {

void ListMasks(ConfigImage& /*image*/, std::ostream& /*out*/)
{
}

} // namespace talvex::cli
