#pragma once
// Runs one of the built programs and collects its exit status and output.
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "support/temp_dir.h"

namespace talvex::testing {

struct ProgramResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

// $TALVEX_BIN/<program>: a built program.
inline std::string ProgramPath(const std::string& program)
{
    const char* bin = std::getenv("TALVEX_BIN");
    return std::string(bin ? bin : "build/bin") + "/" + program;
}

// Runs $TALVEX_BIN/<program> with the arguments, stdin from /dev/null.
inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args)
{
    std::string command = ShellQuote(ProgramPath(program));
    for (const std::string& arg : args)
        command += " " + ShellQuote(arg);
    TempDir capture;
    command += " </dev/null >" + ShellQuote(capture.file("out")) + " 2>"
        + ShellQuote(capture.file("err"));
    const int raw = std::system(command.c_str());
    ProgramResult result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    const auto out = ReadBytes(capture.file("out"));
    const auto err = ReadBytes(capture.file("err"));
    result.out.assign(out.begin(), out.end());
    result.err.assign(err.begin(), err.end());
    return result;
}

} // namespace talvex::testing
