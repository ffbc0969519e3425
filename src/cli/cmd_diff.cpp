#include <algorithm>
#include <memory>
#include <ostream>
#include <set>

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "config/number_texts.h"
#include "tables/config_tables.h"
#include "textform/derivation.h"
#include "textform/field_values.h"
#include "textform/text_form.h"
#include "verify/verification.h"

namespace talvex::cli {

namespace {

// The findings of `mine` that `theirs` lacks, each as often as it is extra.
std::vector<std::string> OnlyIn(const std::vector<std::string>& mine,
                                const std::vector<std::string>& theirs)
{
    std::multiset<std::string> left(theirs.begin(), theirs.end());
    std::vector<std::string> only;
    for (const std::string& finding : mine) {
        if (const auto it = left.find(finding); it != left.end())
            left.erase(it);
        else
            only.push_back(finding);
    }
    return only;
}

struct Side {
    std::unique_ptr<ConfigImage> image = std::make_unique<ConfigImage>();
    // The image as the pages leave it when they open, and what they write.
    std::unique_ptr<textform::Derivation> derivation;
};

// A difference's two sides: A's after "<", B's after ">".
void AppendSides(std::string& text, std::string_view mine, std::string_view theirs)
{
    text.append("<").append(mine).append("\n>").append(theirs).append("\n");
}

// Whether entry n, entryA on side a and entryB on side b, differs only in
// fields the pages derive on both sides.
bool DiffersOnlyInDerived(const textform::TableForm& table, int n, const Side& a,
                          textform::RecordView entryA, const Side& b, textform::RecordView entryB)
{
    return std::ranges::all_of(table.fields, [&](const textform::FieldForm& field) {
        return !textform::FieldDiffers(field, entryA, entryB)
            || (a.derivation->derives(table, field, n) && b.derivation->derives(table, field, n));
    });
}

// The differences of the entries, each with its heading, its list lines
// and its differing fields; then, for each table, the count of entries that
// differ only in derived fields.
void DiffEntries(const Side& a, const Side& b, std::string& text)
{
    std::string derivedOnly;
    for (const textform::TableForm& table : textform::TableForms()) {
        const ConfigTable& lines = ConfigTableOf(table.kind);
        int differInDerived = 0;
        for (int n = 0; n < table.count(); ++n) {
            const auto entryA = table.entry(*a.image, n);
            const auto entryB = table.entry(*b.image, n);
            if (std::ranges::equal(entryA, entryB))
                continue;
            if (DiffersOnlyInDerived(table, n, a, entryA, b, entryB)) {
                ++differInDerived;
                continue;
            }
            // The list lines as the pages show them, on the images as the
            // pages leave them when they open.
            text.append(table.name()).append(" ").append(DecimalText(n)).append("\n");
            AppendSides(text, " " + lines.lineText(a.derivation->derived(), n),
                  " " + lines.lineText(b.derivation->derived(), n));
            AppendSides(text, textform::DifferingFields(table, entryA, entryB),
                  textform::DifferingFields(table, entryB, entryA));
        }
        if (differInDerived != 0) {
            derivedOnly.append(DecimalText(differInDerived)).append(" ")
                .append(lines.facts().listWord).append(": ")
                .append(lines.derivedFields().name).append("\n");
        }
    }
    text += derivedOnly;
}

// The verification findings only one side has.
void DiffFindings(const Side& a, const Side& b, std::string& text)
{
    const auto findingsA = VerificationFindings(*a.image);
    const auto findingsB = VerificationFindings(*b.image);
    const auto onlyA = OnlyIn(findingsA, findingsB);
    const auto onlyB = OnlyIn(findingsB, findingsA);
    if (onlyA.empty() && onlyB.empty())
        return;
    text += "verification\n";
    for (const std::string& finding : onlyA)
        text += "< " + finding + "\n";
    for (const std::string& finding : onlyB)
        text += "> " + finding + "\n";
}

} // namespace

// diff A B: "< A" and "> B", then for every difference a heading line with
// the side of A after "<" and that of B after ">": the generation; each entry
// that differs, as its list line and as the text form's fields that differ;
// the verification findings only one side has. Entries that differ only in
// fields the pages derive are counted in one line for each table instead,
// "255 rules: rule stamps", after the entries.
int CmdDiff(const Args& args, const Console& io)
{
    if (args.size() != 2)
        return UsageError(io.err);
    Side a;
    Side b;
    const bool loadedA = LoadForCli(*a.image, args[0], io);
    if (!(LoadForCli(*b.image, args[1], io) && loadedA))
        return EXIT_LOAD_OR_USAGE;
    for (Side* side : {&a, &b})
        side->derivation = std::make_unique<textform::Derivation>(*side->image, ConfigTables());

    std::string text;
    const auto genA = textform::GenerationName(*a.image);
    const auto genB = textform::GenerationName(*b.image);
    if (genA != genB) {
        text += "generation\n";
        AppendSides(text, " " + std::string(genA), " " + std::string(genB));
    }
    DiffEntries(a, b, text);
    if (text.empty())
        return EXIT_OK;
    DiffFindings(a, b, text);
    io.out << "< " << ShownName(args[0]) << "\n> " << ShownName(args[1]) << "\n" << text;
    return EXIT_DIFFERENT;
}

} // namespace talvex::cli
