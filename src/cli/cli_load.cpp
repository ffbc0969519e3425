#include "cli/cli_load.h"

#include <ostream>

#include "config/config_file.h"

namespace talvex::cli {

bool LoadForCli(ConfigImage& image, const std::string& fileName, std::ostream& err)
{
    ResetTables(image);
    std::string reason;
    if (!LoadConfig(image, fileName, &reason)) {
        err << "talvexcfg: " << fileName << ": " << reason << "\n";
        return false;
    }
    ClearRuntimeFields(image);
    return true;
}

} // namespace talvex::cli
