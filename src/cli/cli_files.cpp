#include "cli/cli_files.h"

#include <ostream>

#include "config/config_file.h"
#include "config/number_texts.h"
#include "config/open_config.h"

namespace talvex::cli {

void ReportFailure(std::ostream& err, std::string_view subject, const Failure& failure)
{
    err << "talvexcfg: " << subject;
    if (failure.line != 0)
        err << ":" << DecimalText(failure.line);
    err << ": " << failure.reason << "\n";
}

bool LoadForCli(ConfigImage& image, const std::string& fileName, std::ostream& err)
{
    const OpenedConfig opened = OpenConfig(image, fileName);
    if (opened.loadFailure)
        ReportFailure(err, fileName, *opened.loadFailure);
    return !opened.loadFailure;
}

bool SaveForCli(const ConfigImage& image, const std::string& outName, std::ostream& err)
{
    Failure failure;
    if (SaveConfig(image, outName, &failure))
        return true;
    ReportFailure(err, "cannot write " + outName, failure);
    return false;
}

} // namespace talvex::cli
