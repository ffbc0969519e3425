#include <ostream>

#include "cli/cli_command.h"

namespace talvex::cli {

std::string UsageText()
{
    return "usage: talvexcfg verify FILE...\n"
           "       talvexcfg list rules|masks|priq|qos FILE\n"
           "       talvexcfg resave [--extend] FILE OUT\n"
           "       talvexcfg --help | --version\n";
}

int RunTalvexCfg(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << UsageText();
        return EXIT_LOAD_OR_USAGE;
    }
    const std::string& command = args.front();
    const Args rest(args.begin() + 1, args.end());
    if (command == "--help" || command == "-h") {
        out << "talvexcfg - check, list and rewrite TALVEX configuration files\n\n"
            << UsageText()
            << "\nverify  writes the verification report; exit 0 when it finds nothing, 1 when it\n"
               "        finds errors. With several files each report is headed \"==> FILE <==\"\n"
               "        and followed by an empty line; a file that does not load is reported on\n"
               "        standard error and the others are still verified (exit 2 if any failed)\n"
               "list    writes the list lines of one table as the manager shows them\n"
               "resave  writes the loaded configuration to OUT as the manager saves it;\n"
               "        --extend writes the newer generation with all four tables\n"
               "\nA file that cannot be loaded gives exit 2, a failed write exit 3.\n";
        return EXIT_OK;
    }
    if (command == "--version") {
        out << "talvexcfg " << TALVEX_VERSION << "\n";
        return EXIT_OK;
    }
    if (command == "verify")
        return CmdVerify(rest, out, err);
    if (command == "list")
        return CmdList(rest, out, err);
    if (command == "resave")
        return CmdResave(rest, out, err);
    err << "talvexcfg: unknown command '" << command << "'\n" << UsageText();
    return EXIT_LOAD_OR_USAGE;
}

} // namespace talvex::cli
