#include <iostream>

#include "cli/cli_command.h"
#include "config/file_access.h"

int main(int argc, char** argv)
{
    talvex::PrepareStandardFiles();
    std::ios::sync_with_stdio(false);
    const talvex::cli::Args args(argv + 1, argv + argc);
    const int status = talvex::cli::RunTalvexCfg(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "talvexcfg: cannot write to standard output\n";
        return talvex::cli::EXIT_WRITE_FAILED;
    }
    return status;
}
