#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "tables/config_tables.h"

namespace talvex::cli {

// list rules|masks|priq|qos FILE: the table's lines as its page draws them
// when it opens (rule numbers stamped, the priority-queue structure pass
// run), one LF after each.
int CmdList(const Args& args, const Console& io)
{
    if (args.size() != 2)
        return UsageError(io.err);
    const ConfigTable* table = FindConfigTable(args[0]);
    if (table == nullptr) {
        io.err << "talvexcfg: unknown table '" << args[0] << "' (rules, masks, priq or qos)\n";
        return UsageError(io.err);
    }
    auto image = std::make_unique<ConfigImage>();
    if (!LoadForCli(*image, args[1], io))
        return EXIT_LOAD_OR_USAGE;
    DeriveAsPagesOpen(*image);
    for (int entry = 0; entry < table->entryCount(); ++entry)
        io.out << table->lineText(*image, entry) << '\n';
    return EXIT_OK;
}

} // namespace talvex::cli
