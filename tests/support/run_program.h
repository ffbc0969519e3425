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

// Runs $TALVEX_BIN/<program> with the arguments, stdin from /dev/null.
inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args)
{
    const char* bin = std::getenv("TALVEX_BIN");
    std::string command = ShellQuote(std::string(bin ? bin : "build/bin") + "/" + program);
    for (const std::string& arg : args)
        command += " " + ShellQuote(arg);
    TempDir capture;
    command += " </dev/null >" + ShellQuote(capture.file("out")) + " 2>" + ShellQuote(capture.file("err"));
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
