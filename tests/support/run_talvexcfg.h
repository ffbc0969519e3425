#pragma once
// talvexcfg run in this process, RunTalvexCfg with its standard input given
// and both output streams caught: for every test that needs no real process
// (a resource limit, another user, the bytes on standard output).
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "support/run_program.h"

namespace talvex::testing {

inline ProgramResult RunCfg(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    ProgramResult result;
    result.status = cli::RunTalvexCfg(args, in, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace talvex::testing
