#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "textform/text_form.h"

namespace talvex::cli {

// export FILE: the loaded configuration as text on standard output.
int CmdExport(const Args& args, const Console& io)
{
    if (args.size() != 1)
        return UsageError(io.err);
    auto image = std::make_unique<ConfigImage>();
    if (!LoadForCli(*image, args[0], io.err))
        return EXIT_LOAD_OR_USAGE;
    io.out << textform::WriteConfigText(*image);
    return EXIT_OK;
}

} // namespace talvex::cli
