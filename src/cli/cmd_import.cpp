#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <memory>

#include "cli/cli_command.h"
#include "config/config_file.h"
#include "textform/text_form.h"

namespace talvex::cli {

namespace {

// The whole text of the file, "-" for standard input; false with the reason.
bool ReadText(const std::string& name, std::string& text, std::string& reason)
{
    if (name == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        if (std::cin.bad())
            reason = "cannot read it";
        return !std::cin.bad();
    }
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) {
        reason = std::string("cannot open it: ") + std::strerror(errno);
        return false;
    }
    char block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed)
        reason = std::string("cannot read it: ") + std::strerror(error);
    return !failed;
}

} // namespace

// import TEXT OUT: the text read into a configuration, saved to OUT the safe
// way. A text that cannot be read leaves OUT alone.
int CmdImport(const Args& args, std::ostream& /*out*/, std::ostream& err)
{
    if (args.size() != 2) {
        err << UsageText();
        return EXIT_LOAD_OR_USAGE;
    }
    const std::string shownName = args[0] == "-" ? "(standard input)" : args[0];
    std::string text;
    std::string reason;
    if (!ReadText(args[0], text, reason)) {
        err << "talvexcfg: " << shownName << ": " << reason << "\n";
        return EXIT_LOAD_OR_USAGE;
    }
    auto image = std::make_unique<ConfigImage>();
    Failure failure;
    if (!textform::ReadConfigText(text, *image, failure)) {
        err << "talvexcfg: " << shownName << ":" << failure.line << ": " << failure.reason << "\n";
        return EXIT_LOAD_OR_USAGE;
    }
    if (!SaveConfig(*image, args[1], &reason)) {
        err << "talvexcfg: cannot write " << args[1] << ": " << reason << "\n";
        return EXIT_WRITE_FAILED;
    }
    return EXIT_OK;
}

} // namespace talvex::cli
