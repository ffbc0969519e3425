#include <memory>
#include <optional>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "tables/config_tables.h"
#include "textform/text_form.h"

namespace talvex::cli {

// export [--base BASE] FILE: the loaded configuration as text on standard
// output; over BASE, only what FILE holds beyond it, so that importing BASE
// and the text gives FILE again.
int CmdExport(const Args& args, const Console& io)
{
    std::optional<std::string> baseName;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--base")
            files.push_back(args[i]);
        else if (i + 1 < args.size() && !baseName)
            baseName = args[++i];
        else
            return UsageError(io.err);
    }
    if (files.size() != 1)
        return UsageError(io.err);
    textform::TextImport base(ConfigTables());
    if (baseName && !ReadTextsForCli(std::span(&*baseName, 1), base, io))
        return EXIT_LOAD_OR_USAGE;
    auto image = std::make_unique<ConfigImage>();
    if (!LoadForCli(*image, files[0], io))
        return EXIT_LOAD_OR_USAGE;
    io.out << textform::WriteConfigText(*image, ConfigTables(), baseName ? &base : nullptr);
    return EXIT_OK;
}

} // namespace talvex::cli
