#include <ostream>

#include "cli/cli_command.h"

namespace talvex::cli {

int CmdVerify(const Args& /*args*/, std::ostream& /*out*/, std::ostream& err)
{
    err << "talvexcfg: verify is not available yet\n";
    return EXIT_LOAD_OR_USAGE;
}

} // namespace talvex::cli
