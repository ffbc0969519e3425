#pragma once
// The commands of talvexcfg. Each takes the words after its own name and
// writes to the two streams it is given; the result is the exit status.
#include <iosfwd>
#include <string>
#include <vector>

namespace talvex::cli {

using Args = std::vector<std::string>;

// Exit statuses shared by the commands.
constexpr int EXIT_OK = 0;
constexpr int EXIT_FINDINGS = 1;
constexpr int EXIT_DIFFERENT = 1;
constexpr int EXIT_LOAD_OR_USAGE = 2;
constexpr int EXIT_WRITE_FAILED = 3;

int CmdVerify(const Args& args, std::ostream& out, std::ostream& err);
int CmdList(const Args& args, std::ostream& out, std::ostream& err);
int CmdResave(const Args& args, std::ostream& out, std::ostream& err);
int CmdExport(const Args& args, std::ostream& out, std::ostream& err);
int CmdImport(const Args& args, std::ostream& out, std::ostream& err);
int CmdDiff(const Args& args, std::ostream& out, std::ostream& err);

// The whole program: argv without the program name.
int RunTalvexCfg(const Args& args, std::ostream& out, std::ostream& err);

// Usage text, also shown by --help.
std::string UsageText();

} // namespace talvex::cli
