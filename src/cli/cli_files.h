#pragma once
// Reading, loading and saving for the commands, and the lines that report a
// failure on standard error. Every file a command reads may be "-", standard
// input, and may be a configuration text wherever a configuration file is.
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "cli/cli_command.h"
#include "config/config_input.h"
#include "config/failure.h"
#include "config/records.h"
#include "textform/text_form.h"

namespace talvex::cli {

// How messages name an input: "(standard input)" for "-".
std::string ShownName(const std::string& name);

// "talvexcfg: SUBJECT: reason", with ":LINE" and ":COLUMN" after SUBJECT
// where the failure has them.
void ReportFailure(std::ostream& err, std::string_view subject, const Failure& failure);

// Reads FILE, "-" for standard input, within the bounds of config_input.h.
ConfigInput ReadForCli(const std::string& fileName, InputKind kind, const Console& io);

// Opens FILE the way the manager does at start-up (OpenConfig); a
// configuration text, where `kind` lets one in, is read as import reads it.
// On failure the lines naming the file and what is wrong go to err and the
// result is false. The old-format question is left unanswered: the image
// keeps the generation of the file.
bool LoadForCli(ConfigImage& image, const std::string& fileName, const Console& io,
                InputKind kind = InputKind::Either);

// Reads the texts in order into `import`. What is wrong goes to err, a line
// for each failure, "talvexcfg: TEXT:LINE:COLUMN: reason", at most
// MAX_TEXT_FAILURES of them and one line more when there are more; then the
// result is false.
bool ReadTextsForCli(std::span<const std::string> texts, textform::TextImport& import,
                     const Console& io);

// Saves the image to OUT the manager's safe way. On failure one line,
// "talvexcfg: cannot write OUT: reason", goes to err and the result is
// false; an existing OUT is then as it was.
bool SaveForCli(const ConfigImage& image, const std::string& outName, std::ostream& err);

} // namespace talvex::cli
