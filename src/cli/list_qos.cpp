#include <ostream>

#include "cli/cli_list.h"

namespace talvex::cli {

void ListQos(ConfigImage& /*image*/, std::ostream& /*out*/)
{
}

} // namespace talvex::cli
