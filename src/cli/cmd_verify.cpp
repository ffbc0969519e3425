#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_load.h"
#include "verify/verification.h"

namespace talvex::cli {

// verify FILE: the report exactly as the Verify page makes it, CR LF line
// ends included and nothing added.
int CmdVerify(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << UsageText();
        return EXIT_LOAD_OR_USAGE;
    }
    auto image = std::make_unique<ConfigImage>();
    if (!LoadForCli(*image, args.front(), err))
        return EXIT_LOAD_OR_USAGE;
    std::string report;
    const bool findings = VerifyConfiguration(*image, report);
    out.write(report.data(), static_cast<std::streamsize>(report.size()));
    return findings ? EXIT_FINDINGS : EXIT_OK;
}

} // namespace talvex::cli
