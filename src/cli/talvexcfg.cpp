#include <ostream>

#include "cli/cli_command.h"
#include "talvex_version.h"

namespace talvex::cli {

std::string UsageText()
{
    return "usage: talvexcfg verify FILE...\n"
           "       talvexcfg list rules|masks|priq|qos FILE\n"
           "       talvexcfg resave [--extend] FILE OUT\n"
           "       talvexcfg export FILE\n"
           "       talvexcfg import TEXT|- OUT\n"
           "       talvexcfg diff A B\n"
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
        out << "talvexcfg - check, list, rewrite and compare TALVEX configuration files\n\n"
            << UsageText()
            << "\nverify  writes the verification report; exit 0 when it finds nothing, 1 when it\n"
               "        finds errors. With several files each report is headed \"==> FILE <==\"\n"
               "        and followed by an empty line; a file that does not load is reported on\n"
               "        standard error and the others are still verified (exit 2 if any failed)\n"
               "list    writes the list lines of one table as the manager shows them\n"
               "resave  writes the loaded configuration to OUT as the manager saves it;\n"
               "        --extend writes the newer generation with all four tables\n"
               "export  writes the configuration as text: a header line naming its generation,\n"
               "        then one line per entry that differs from a new configuration, with the\n"
               "        fields that differ as name=value\n"
               "import  reads such a text (- for standard input) and writes OUT; a field or\n"
               "        entry left out keeps its new value. A wrong line gives\n"
               "        \"talvexcfg: TEXT:LINE: reason\", exit 2, and OUT is not touched\n"
               "diff    compares two files entry by entry: for each entry that differs its list\n"
               "        line and the fields that differ, A after \"<\" and B after \">\", then\n"
               "        the verification findings only one of them has; exit 0 when they are\n"
               "        the same, 1 when they differ\n"
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
    if (command == "export")
        return CmdExport(rest, out, err);
    if (command == "import")
        return CmdImport(rest, out, err);
    if (command == "diff")
        return CmdDiff(rest, out, err);
    err << "talvexcfg: unknown command '" << command << "'\n" << UsageText();
    return EXIT_LOAD_OR_USAGE;
}

} // namespace talvex::cli
