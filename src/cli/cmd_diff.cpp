#include <algorithm>
#include <memory>
#include <ostream>
#include <set>

#include "cli/cli_command.h"
#include "cli/cli_load.h"
#include "tables/config_tables.h"
#include "textform/field_values.h"
#include "textform/text_form.h"
#include "verify/verification.h"

namespace talvex::cli {

namespace {

// The list line of entry n as its page shows it; `view` is the image as the
// pages leave it when they open (the priority-queue structure pass run).
std::string ListLine(TableKind kind, const ConfigImage& view, int n)
{
    return ConfigTableOf(kind).lineText(view, n);
}

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
    std::unique_ptr<ConfigImage> view;
};

} // namespace

// diff A B: "< A" and "> B", then for every difference a heading line with
// the side of A after "<" and that of B after ">": the generation; each entry
// that differs, as its list line and as the text form's fields that differ;
// the verification findings only one side has.
int CmdDiff(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 2) {
        err << UsageText();
        return EXIT_LOAD_OR_USAGE;
    }
    Side a;
    Side b;
    const bool loadedA = LoadForCli(*a.image, args[0], err);
    if (!(LoadForCli(*b.image, args[1], err) && loadedA))
        return EXIT_LOAD_OR_USAGE;
    for (Side* side : {&a, &b}) {
        side->view = std::make_unique<ConfigImage>(*side->image);
        DeriveAsPagesOpen(*side->view);
    }

    std::string text;
    const auto pair = [&text](std::string_view heading, std::string_view mine,
                              std::string_view theirs) {
        text.append(heading).append("\n<").append(mine).append("\n>").append(theirs).append("\n");
    };
    const auto genA = textform::GenerationName(*a.image);
    const auto genB = textform::GenerationName(*b.image);
    if (genA != genB)
        pair("generation", " " + std::string(genA), " " + std::string(genB));
    for (const textform::TableForm& table : textform::TableForms()) {
        for (int n = 0; n < table.count(); ++n) {
            const auto entryA = table.entry(*a.image, n);
            const auto entryB = table.entry(*b.image, n);
            if (std::ranges::equal(entryA, entryB))
                continue;
            pair(std::string(table.name()) + " " + std::to_string(n),
                 " " + ListLine(table.kind, *a.view, n), " " + ListLine(table.kind, *b.view, n));
            text.append("<").append(textform::DifferingFields(table, entryA, entryB));
            text.append("\n>")
                .append(textform::DifferingFields(table, entryB, entryA))
                .append("\n");
        }
    }
    if (text.empty())
        return EXIT_OK;

    const auto findingsA = VerificationFindings(*a.image);
    const auto findingsB = VerificationFindings(*b.image);
    const auto onlyA = OnlyIn(findingsA, findingsB);
    const auto onlyB = OnlyIn(findingsB, findingsA);
    if (!onlyA.empty() || !onlyB.empty()) {
        text += "verification\n";
        for (const std::string& finding : onlyA)
            text += "< " + finding + "\n";
        for (const std::string& finding : onlyB)
            text += "> " + finding + "\n";
    }
    out << "< " << args[0] << "\n> " << args[1] << "\n" << text;
    return EXIT_DIFFERENT;
}

} // namespace talvex::cli
