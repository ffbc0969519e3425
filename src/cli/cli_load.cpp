#include "cli/cli_load.h"

#include <ostream>

#include "config/open_config.h"

namespace talvex::cli {

bool LoadForCli(ConfigImage& image, const std::string& fileName, std::ostream& err)
{
    const OpenedConfig opened = OpenConfig(image, fileName);
    if (opened.loadFailure)
        err << "talvexcfg: " << fileName << ": " << opened.loadFailure->reason << "\n";
    return !opened.loadFailure;
}

} // namespace talvex::cli
