#pragma once
// The commands of talvexcfg, as one table: each command's name, its
// arguments as the usage shows them, its lines in --help and its function.
// The usage, --help and the answer to a wrong call are made from the table.
// A command takes the words after its own name and the program's standard
// streams; its result is the exit status.
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace talvex::cli {

using Args = std::vector<std::string>;

// Exit statuses shared by the commands.
constexpr int EXIT_OK = 0;
constexpr int EXIT_FINDINGS = 1;
constexpr int EXIT_DIFFERENT = 1;
constexpr int EXIT_LOAD_OR_USAGE = 2;
constexpr int EXIT_WRITE_FAILED = 3;

// The program's standard streams, handed to every command.
struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::string_view name;      // "list"
    std::string_view synopsis;  // its arguments in the usage: "rules|masks|priq|qos FILE"
    std::string_view summary;   // what --help says of it, lines joined by "\n"
    int (*run)(const Args& args, const Console& io);
};

// verify, list, resave, export, import, diff, fields: the order of the usage.
std::span<const Command> Commands();

int CmdVerify(const Args& args, const Console& io);
int CmdList(const Args& args, const Console& io);
int CmdResave(const Args& args, const Console& io);
int CmdExport(const Args& args, const Console& io);
int CmdImport(const Args& args, const Console& io);
int CmdDiff(const Args& args, const Console& io);
int CmdFields(const Args& args, const Console& io);

// A wrong call of the program or of a command: the usage on err, and the
// exit status.
int UsageError(std::ostream& err);

// The whole program: argv without the program name.
int RunTalvexCfg(const Args& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace talvex::cli
