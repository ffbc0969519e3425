#include <algorithm>
#include <new>
#include <ostream>

#include "cli/cli_command.h"
#include "talvex_version.h"

namespace talvex::cli {

namespace {

// The options that stand in place of a command.
constexpr std::string_view OPTIONS_SYNOPSIS = "--help | --version";
// The width of the command names before their summaries in --help.
constexpr std::size_t NAME_COLUMN = 8;

std::string UsageText()
{
    std::string text;
    const auto line = [&text](std::string_view words) {
        text.append(text.empty() ? "usage: " : "       ").append("talvexcfg ").append(words);
        text += '\n';
    };
    for (const Command& command : Commands())
        line(std::string(command.name) + " " + std::string(command.synopsis));
    line(OPTIONS_SYNOPSIS);
    return text;
}

std::string HelpText()
{
    std::string text = "talvexcfg - check, list, rewrite and compare TALVEX configuration files\n\n"
        + UsageText() + "\n";
    const std::string indent(NAME_COLUMN, ' ');
    for (const Command& command : Commands()) {
        const std::size_t width = command.name.size();
        text.append(command.name).append(width < NAME_COLUMN ? NAME_COLUMN - width : 1, ' ');
        for (const char c : command.summary) {
            text += c;
            if (c == '\n')
                text += indent;
        }
        text += '\n';
    }
    return text
        + "\nEvery FILE, TEXT and BASE may be - for standard input, and every FILE a\n"
          "configuration text (known by its header line), read as import reads it.\n"
          "A file that cannot be loaded gives exit 2, a failed write exit 3.\n";
}

} // namespace

int UsageError(std::ostream& err)
{
    err << UsageText();
    return EXIT_LOAD_OR_USAGE;
}

int RunTalvexCfg(const Args& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return UsageError(err);
    const std::string_view word = args.front();
    if (word == "--help" || word == "-h") {
        out << HelpText();
        return EXIT_OK;
    }
    if (word == "--version") {
        out << "talvexcfg " << TALVEX_VERSION << "\n";
        return EXIT_OK;
    }
    const auto commands = Commands();
    const auto command = std::ranges::find(commands, word, &Command::name);
    if (command == commands.end()) {
        err << "talvexcfg: unknown command '" << word << "'\n";
        return UsageError(err);
    }
    try {
        return command->run(Args(args.begin() + 1, args.end()), Console{in, out, err});
    } catch (const std::bad_alloc&) {
        // Every input is read within bounds; this is a machine short of memory.
        err << "talvexcfg: out of memory\n";
        return EXIT_LOAD_OR_USAGE;
    }
}

} // namespace talvex::cli
