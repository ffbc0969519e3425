#pragma once
// Runs one of the built programs and collects its exit status and output.
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#endif

#include "support/temp_dir.h"

namespace talvex::testing {

struct ProgramResult {
    int status = -1;
    std::string out;
    std::string err;
};

#ifdef _WIN32
// One word of a command line as the C runtime splits it again: in double
// quotes, with the backslashes before a quote doubled.
inline std::string CommandLineWord(const std::string& word)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : word) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    return quoted.append(2 * backslashes, '\\') + "\"";
}

// Runs `program` with the arguments, standard input from NUL and the two
// output streams into the files `out` and `err`; returns the exit status.
inline int RunCaptured(const std::string& program, const std::vector<std::string>& args,
                       const std::string& out, const std::string& err)
{
    std::string commandLine = CommandLineWord(program);
    for (const std::string& arg : args)
        commandLine += " " + CommandLineWord(arg);
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const auto open = [&inherited](const std::string& name, DWORD access, DWORD disposition) {
        return ::CreateFileA(name.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                             disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = open("NUL", GENERIC_READ, OPEN_EXISTING);
    startup.hStdOutput = open(out, GENERIC_WRITE, CREATE_ALWAYS);
    startup.hStdError = open(err, GENERIC_WRITE, CREATE_ALWAYS);
    PROCESS_INFORMATION process{};
    DWORD status = static_cast<DWORD>(-1);
    if (::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                         &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::GetExitCodeProcess(process.hProcess, &status);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
        ::CloseHandle(handle);
    return static_cast<int>(status);
}
#else
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

inline int RunCaptured(const std::string& program, const std::vector<std::string>& args,
                       const std::string& out, const std::string& err)
{
    std::string command = ShellQuote(program);
    for (const std::string& arg : args)
        command += " " + ShellQuote(arg);
    command += " </dev/null >" + ShellQuote(out) + " 2>" + ShellQuote(err);
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}
#endif

// $TALVEX_BIN/<program>: a built program.
inline std::string ProgramPath(const std::string& program)
{
    const char* bin = std::getenv("TALVEX_BIN");
    return std::string(bin ? bin : "build/bin") + "/" + program;
}

// Runs $TALVEX_BIN/<program> with the arguments, standard input empty.
inline ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args)
{
    TempDir capture;
    ProgramResult result;
    result.status = RunCaptured(ProgramPath(program), args, capture.file("out"),
                                capture.file("err"));
    const auto out = ReadBytes(capture.file("out"));
    const auto err = ReadBytes(capture.file("err"));
    result.out.assign(out.begin(), out.end());
    result.err.assign(err.begin(), err.end());
    return result;
}

} // namespace talvex::testing
