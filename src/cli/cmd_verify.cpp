#include <memory>
#include <ostream>

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "verify/verification.h"

namespace talvex::cli {

namespace {

void WriteText(std::ostream& out, const std::string& text)
{
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

} // namespace

// verify FILE: the report exactly as the Verify page makes it, CR LF line
// ends included and nothing added.
//
// verify FILE FILE...: every report is framed as `tail` frames its files: a
// line "==> FILE <==" before it, an empty line after it. A report whose last
// line has no line end (the passing one) gets its CR LF first, so each report
// still ends on a whole line. A file that does not load gives its one line on
// err and no frame; the others are still checked. The status is the worst
// one: 2 for a load failure, else 1 for findings, else 0.
int CmdVerify(const Args& args, const Console& io)
{
    if (args.empty())
        return UsageError(io.err);
    const bool framed = args.size() > 1;
    // One image and one report text serve every file.
    auto image = std::make_unique<ConfigImage>();
    std::string report;
    bool anyLoadFailed = false;
    bool anyFindings = false;
    for (const std::string& fileName : args) {
        if (!LoadForCli(*image, fileName, io)) {
            anyLoadFailed = true;
            continue;
        }
        if (VerifyConfiguration(*image, report))
            anyFindings = true;
        if (framed) {
            io.out << "==> " << ShownName(fileName) << " <==\n";
            WriteText(io.out, report);
            if (!report.ends_with('\n'))
                io.out << "\r\n";
            io.out << "\n";
        } else {
            WriteText(io.out, report);
        }
    }
    if (anyLoadFailed)
        return EXIT_LOAD_OR_USAGE;
    return anyFindings ? EXIT_FINDINGS : EXIT_OK;
}

} // namespace talvex::cli
