#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_list.h"
#include "cli/cli_load.h"

namespace talvex::cli {

// list rules|masks|priq|qos FILE
int CmdList(const Args& args, std::ostream& out, std::ostream& err)
{
    using Lister = void (*)(ConfigImage&, std::ostream&);
    struct Table {
        const char* name;
        Lister list;
    };
    static constexpr Table tables[] = {
        {"rules", ListRules}, {"masks", ListMasks}, {"priq", ListPriQ}, {"qos", ListQos}};

    if (args.size() != 2) {
        err << UsageText();
        return EXIT_LOAD_OR_USAGE;
    }
    for (const Table& table : tables) {
        if (args[0] != table.name)
            continue;
        auto image = std::make_unique<ConfigImage>();
        if (!LoadForCli(*image, args[1], err))
            return EXIT_LOAD_OR_USAGE;
        table.list(*image, out);
        return EXIT_OK;
    }
    err << "talvexcfg: unknown table '" << args[0] << "' (rules, masks, priq or qos)\n" << UsageText();
    return EXIT_LOAD_OR_USAGE;
}

} // namespace talvex::cli
