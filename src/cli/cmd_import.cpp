#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <iterator>
#include <memory>

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "textform/text_form.h"

namespace talvex::cli {

namespace {

// The whole text of the file, "-" for standard input; false with the reason.
bool ReadText(const std::string& name, std::istream& in, std::string& text, Failure& failure)
{
    if (name == "-") {
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            return Fail(&failure, "cannot read it");
        return true;
    }
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file)
        return Fail(&failure, std::string("cannot open it: ") + std::strerror(errno));
    char block[65536];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, got);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed)
        return Fail(&failure, std::string("cannot read it: ") + std::strerror(error));
    return true;
}

} // namespace

// import TEXT OUT: the text read into a configuration, saved to OUT the safe
// way. A text that cannot be read leaves OUT alone.
int CmdImport(const Args& args, const Console& io)
{
    if (args.size() != 2)
        return UsageError(io.err);
    const std::string shownName = args[0] == "-" ? "(standard input)" : args[0];
    std::string text;
    Failure failure;
    auto image = std::make_unique<ConfigImage>();
    if (!ReadText(args[0], io.in, text, failure)
        || !textform::ReadConfigText(text, *image, failure)) {
        ReportFailure(io.err, shownName, failure);
        return EXIT_LOAD_OR_USAGE;
    }
    return SaveForCli(*image, args[1], io.err) ? EXIT_OK : EXIT_WRITE_FAILED;
}

} // namespace talvex::cli
