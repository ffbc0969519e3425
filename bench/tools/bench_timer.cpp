// bench_timer: runs a program several times and reports the least wall-clock
// and CPU time and the largest resident set of its runs. Standard output of
// the program goes to /dev/null (or --out FILE), standard error stays.
//
//   bench_timer [--repeat N] [--each LIST] [--out FILE] -- PROGRAM ARG...
//
// With --each, one repetition runs the program once for every line of LIST,
// with "{}" in the arguments replaced by the line; its times are the sums.
// Output, one line: wall_min_s wall_median_s cpu_min_s maxrss_kb status
// (status: the exit status of the last run that did not exit with 0 or 1,
// else of the last run).
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Options {
    int repeat = 5;
    std::string eachList;
    std::string outFile = "/dev/null";
    std::vector<std::string> command;
};

struct RunResult {
    double wall = 0;
    double cpu = 0;
    long maxRssKb = 0;
    int status = 0;
};

bool ParseOptions(int argc, char** argv, Options& options)
{
    int i = 1;
    for (; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--") {
            ++i;
            break;
        }
        if (i + 1 >= argc)
            return false;
        if (word == "--repeat")
            options.repeat = std::atoi(argv[++i]);
        else if (word == "--each")
            options.eachList = argv[++i];
        else if (word == "--out")
            options.outFile = argv[++i];
        else
            return false;
    }
    options.command.assign(argv + i, argv + argc);
    return !options.command.empty() && options.repeat > 0;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Substitute(const std::vector<std::string>& command, const std::string& item)
{
    std::vector<std::string> result = command;
    for (std::string& word : result) {
        if (word == "{}")
            word = item;
    }
    return result;
}

double Seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; }

// Starts the program; adds its CPU time and the largest resident set to `into`.
bool RunOnce(const std::vector<std::string>& command, const std::string& outFile, RunResult& into)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        std::fprintf(stderr, "bench_timer: cannot start %s: %s\n", argv[0], std::strerror(error));
        return false;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            return false;
    }
    into.cpu += Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    into.maxRssKb = std::max(into.maxRssKb, usage.ru_maxrss);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (code > 1 || into.status <= 1)
        into.status = code;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: bench_timer [--repeat N] [--each LIST] [--out FILE] -- PROGRAM ARG...\n");
        return 2;
    }
    std::vector<std::string> items{""};
    if (!options.eachList.empty())
        items = ReadLines(options.eachList);
    std::vector<RunResult> results;
    for (int r = 0; r < options.repeat; ++r) {
        RunResult result;
        const auto start = std::chrono::steady_clock::now();
        for (const std::string& item : items) {
            const auto command = options.eachList.empty() ? options.command : Substitute(options.command, item);
            if (!RunOnce(command, options.outFile, result))
                return 2;
        }
        result.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        results.push_back(result);
    }
    std::vector<double> walls;
    double cpuMin = results.front().cpu;
    long rss = 0;
    for (const RunResult& result : results) {
        walls.push_back(result.wall);
        cpuMin = std::min(cpuMin, result.cpu);
        rss = std::max(rss, result.maxRssKb);
    }
    std::sort(walls.begin(), walls.end());
    std::printf("%.6f %.6f %.6f %ld %d\n", walls.front(), walls[walls.size() / 2], cpuMin, rss,
                results.back().status);
    return 0;
}
