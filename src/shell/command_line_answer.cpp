#include "shell/command_line_answer.h"

namespace talvex {

namespace {

constexpr const char* USAGE_TEXT =
    "usage: talvexmgr [FILE]\n"
    "       talvexmgr --help | --version\n"
    "\n"
    "talvexmgr - edit a configuration file of the TALVEX Traffic Shaping Engine\n"
    "\n"
    "The whole text after the program name is the file name (the arguments joined\n"
    "with single spaces). Without one the manager starts a new configuration,\n"
    "saved as \"New TALVEX.CFG\" in the current directory. OK after a change saves\n"
    "the file; Cancel writes nothing. A file named --help or --version is opened\n"
    "as ./--help or ./--version.\n"
    "\n"
    "TALVEXMGR_SPLASH_MS=N shows the splash picture for N milliseconds (default\n"
    "3000; 0 shows none).\n";

} // namespace

std::optional<std::string> CommandLineAnswer(const std::string& commandLineText,
                                             const std::string& version)
{
    if (commandLineText == "--help")
        return USAGE_TEXT;
    if (commandLineText == "--version")
        return "talvexmgr " + version + "\n";
    return std::nullopt;
}

} // namespace talvex
