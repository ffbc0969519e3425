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
            "writes the list lines of one table as the manager shows them (rule and\n"
            "mask name the tables too)",
            CmdList},
    Command{"resave", "[--extend] FILE OUT",
            "writes the loaded configuration to OUT as the manager saves it;\n"
            "--extend writes the newer generation with all four tables. A\n"
            "configuration text is refused: import makes a file of it",
            CmdResave},
    Command{"export", "[--base BASE] FILE",
            "writes the configuration as text: a header line naming its generation,\n"
            "then one line per entry that differs from a new configuration, with the\n"
            "fields that differ as name=value; a field the manager derives only where\n"
            "it holds something else. With --base, only what FILE holds beyond the\n"
            "text BASE, so that importing BASE and the text gives FILE",
            CmdExport},
    Command{"import", "TEXT... OUT",
            "reads such texts in order and writes OUT: a later entry line replaces the\n"
            "fields it names, \"TABLE ENTRY unused\" makes the entry new; a field or\n"
            "entry left out keeps its new value, or what the manager derives. Wrong\n"
            "lines give \"talvexcfg: TEXT:LINE:COLUMN: reason\" (up to 20), exit 2, and\n"
            "OUT is not touched",
            CmdImport},
    Command{"diff", "A B",
            "compares two files entry by entry: for each entry that differs its list\n"
            "line and the fields that differ, A after \"<\" and B after \">\" (entries\n"
            "that differ only in fields the manager derives are counted in a line),\n"
            "then the verification findings only one of them has; exit 0 when they\n"
            "are the same, 1 when they differ",
            CmdDiff},
    Command{"fields", "[rule|qos|mask|priq]",
            "lists every field of the text: how it is written, its value in a new\n"
            "configuration, the editor field that shows it and whether import derives\n"
            "it",
            CmdFields},
};

} // namespace

std::span<const Command> Commands() { return COMMANDS; }

} // namespace talvex::cli
