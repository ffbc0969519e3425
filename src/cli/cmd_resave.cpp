#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "config/open_config.h"

namespace talvex::cli {

// resave [--extend] FILE OUT
int CmdResave(const Args& args, const Console& io)
{
    bool extend = false;
    std::vector<std::string> files;
    for (const std::string& arg : args) {
        if (arg == "--extend")
            extend = true;
        else
            files.push_back(arg);
    }
    if (files.size() != 2)
        return UsageError(io.err);
    auto image = std::make_unique<ConfigImage>();
    if (!LoadForCli(*image, files[0], io, InputKind::File))
        return EXIT_LOAD_OR_USAGE;
    ApplyOldFormatAnswer(*image, extend ? OldFormatAnswer::Extend : OldFormatAnswer::Retain);
    return SaveForCli(*image, files[1], io.err) ? EXIT_OK : EXIT_WRITE_FAILED;
}

} // namespace talvex::cli
