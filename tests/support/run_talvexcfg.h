#pragma once
// talvexcfg run in this process, RunTalvexCfg with both streams caught:
// for every test that needs no real process (its standard input, a
// resource limit or another user).
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_command.h"
#include "support/run_program.h"

namespace talvex::testing {

inline ProgramResult RunCfg(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    ProgramResult result;
    result.status = cli::RunTalvexCfg(args, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

} // namespace talvex::testing
