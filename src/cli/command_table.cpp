#include <array>

#include "cli/cli_command.h"

namespace talvex::cli {

namespace {

constexpr std::array COMMANDS{
    Command{"verify", "FILE...",
            "writes the verification report; exit 0 when it finds nothing, 1 when it\n"
            "finds errors. With several files each report is headed \"==> FILE <==\"\n"
            "and followed by an empty line; a file that does not load is reported on\n"
            "standard error and the others are still verified (exit 2 if any failed)",
            CmdVerify},
    Command{"list", "rules|masks|priq|qos FILE",
            "writes the list lines of one table as the manager shows them", CmdList},
    Command{"resave", "[--extend] FILE OUT",
            "writes the loaded configuration to OUT as the manager saves it;\n"
            "--extend writes the newer generation with all four tables",
            CmdResave},
    Command{"export", "FILE",
            "writes the configuration as text: a header line naming its generation,\n"
            "then one line per entry that differs from a new configuration, with the\n"
            "fields that differ as name=value",
            CmdExport},
    Command{"import", "TEXT|- OUT",
            "reads such a text (- for standard input) and writes OUT; a field or\n"
            "entry left out keeps its new value. A wrong line gives\n"
            "\"talvexcfg: TEXT:LINE: reason\", exit 2, and OUT is not touched",
            CmdImport},
    Command{"diff", "A B",
            "compares two files entry by entry: for each entry that differs its list\n"
            "line and the fields that differ, A after \"<\" and B after \">\", then\n"
            "the verification findings only one of them has; exit 0 when they are\n"
            "the same, 1 when they differ",
            CmdDiff},
};

} // namespace

std::span<const Command> Commands() { return COMMANDS; }

} // namespace talvex::cli
