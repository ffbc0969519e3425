#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_load.h"
#include "config/config_file.h"
#include "config/open_config.h"

namespace talvex::cli {

// resave [--extend] FILE OUT
int CmdResave(const Args& args, std::ostream& /*out*/, std::ostream& err)
{
    bool extend = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--extend")
            extend = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 2) {
        err << UsageText();
        return EXIT_LOAD_OR_USAGE;
    }
    auto image = std::make_unique<ConfigImage>();
    if (!LoadForCli(*image, files[0], err))
        return EXIT_LOAD_OR_USAGE;
    ApplyOldFormatAnswer(*image, extend ? OldFormatAnswer::Extend : OldFormatAnswer::Retain);
    std::string reason;
    if (!SaveConfig(*image, files[1], &reason)) {
        err << "talvexcfg: cannot write " << files[1] << ": " << reason << "\n";
        return EXIT_WRITE_FAILED;
    }
    return EXIT_OK;
}

} // namespace talvex::cli
