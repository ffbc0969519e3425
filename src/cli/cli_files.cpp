#include "cli/cli_files.h"

#include <ostream>
#include <vector>

#include "config/config_file.h"
#include "config/number_texts.h"
#include "config/open_config.h"
#include "tables/config_tables.h"

namespace talvex::cli {

namespace {

constexpr std::string_view STANDARD_INPUT = "-";

// A text's lines read into the import, its failures reported under its
// name after those of the texts before.
bool ImportText(const ConfigInput& input, const std::string& shownName,
                textform::TextImport& import, std::vector<Failure>& failures, std::ostream& err)
{
    if (input.failure) {
        ReportFailure(err, shownName, *input.failure);
        failures.push_back(*input.failure);
        return false;
    }
    const std::size_t before = failures.size();
    const std::string_view text(reinterpret_cast<const char*>(input.bytes.data()),
                                input.bytes.size());
    if (import.read(text, failures))
        return true;
    for (std::size_t i = before; i < failures.size(); ++i) {
        if (i == textform::MAX_TEXT_FAILURES) {
            err << "talvexcfg: " << shownName << ": more than "
                << DecimalText(textform::MAX_TEXT_FAILURES) << " errors; the first "
                << DecimalText(textform::MAX_TEXT_FAILURES) << " are shown\n";
            break;
        }
        ReportFailure(err, shownName, failures[i]);
    }
    return false;
}

} // namespace

std::string ShownName(const std::string& name)
{
    return name == STANDARD_INPUT ? "(standard input)" : name;
}

void ReportFailure(std::ostream& err, std::string_view subject, const Failure& failure)
{
    err << "talvexcfg: " << subject;
    if (failure.line != 0)
        err << ":" << DecimalText(failure.line);
    if (failure.column != 0)
        err << ":" << DecimalText(failure.column);
    err << ": " << failure.reason << "\n";
}

ConfigInput ReadForCli(const std::string& fileName, InputKind kind, const Console& io)
{
    return fileName == STANDARD_INPUT ? ReadConfigStream(io.in, kind)
                                      : ReadConfigFile(fileName, kind);
}

bool LoadForCli(ConfigImage& image, const std::string& fileName, const Console& io,
                InputKind kind)
{
    const ConfigInput input = ReadForCli(fileName, kind, io);
    if (input.text) {
        textform::TextImport import(ConfigTables());
        std::vector<Failure> failures;
        if (!ImportText(input, ShownName(fileName), import, failures, io.err))
            return false;
        import.finish(image);
        return true;
    }
    const OpenedConfig opened = OpenConfig(image, input);
    if (opened.loadFailure)
        ReportFailure(io.err, ShownName(fileName), *opened.loadFailure);
    return !opened.loadFailure;
}

bool ReadTextsForCli(std::span<const std::string> texts, textform::TextImport& import,
                     const Console& io)
{
    std::vector<Failure> failures;
    for (const std::string& name : texts) {
        if (failures.size() > textform::MAX_TEXT_FAILURES)
            break;
        ImportText(ReadForCli(name, InputKind::Text, io), ShownName(name), import, failures,
                   io.err);
    }
    return failures.empty();
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
