#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_load.h"
#include "textform/text_form.h"

namespace talvex::cli {

// export FILE: the loaded configuration as text on standard output.
int CmdExport(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << UsageText();
        return EXIT_LOAD_OR_USAGE;
    }
    auto image = std::make_unique<ConfigImage>();
    if (!LoadForCli(*image, args[0], err))
        return EXIT_LOAD_OR_USAGE;
    out << textform::WriteConfigText(*image);
    return EXIT_OK;
}

} // namespace talvex::cli
