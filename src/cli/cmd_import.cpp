#include <memory>

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "tables/config_tables.h"
#include "textform/text_form.h"

namespace talvex::cli {

// import TEXT... OUT: the texts read in order into one configuration (each
// entry line of a later one replaces the fields it names), saved to OUT the
// safe way. A text that cannot be read leaves OUT alone.
int CmdImport(const Args& args, const Console& io)
{
    if (args.size() < 2)
        return UsageError(io.err);
    textform::TextImport import(ConfigTables());
    if (!ReadTextsForCli(std::span(args).first(args.size() - 1), import, io))
        return EXIT_LOAD_OR_USAGE;
    auto image = std::make_unique<ConfigImage>();
    import.finish(*image);
    return SaveForCli(*image, args.back(), io.err) ? EXIT_OK : EXIT_WRITE_FAILED;
}

} // namespace talvex::cli
