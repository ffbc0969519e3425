// Writes the manual page of talvexcfg with its table of the text's fields:
// the page (scdoc, the version already filled in) with the line %FIELDS%
// replaced by a subsection for each record kind that lists its fields as
// `talvexcfg fields` does, made from the same field tables. (A list rather
// than an scdoc table: tbl gives a table's text columns a third of the
// line, too narrow for the word lists and byte spans.)
//   talvexcfg_man_fields PAGE.scd.in PAGE.scd
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "cli/field_docs.h"

namespace {

constexpr std::string_view MARKER = "%FIELDS%\n";

// Text scdoc shows as it is: its marks for bold and italics escaped.
std::string Plain(const std::string& text)
{
    std::string plain;
    for (const char c : text) {
        if (c == '*' || c == '_' || c == '\\')
            plain += '\\';
        plain += c;
    }
    return plain;
}

std::string FieldTables()
{
    using namespace talvex;
    std::string text;
    for (const textform::TableForm& table : textform::TableForms()) {
        text += "## " + Plain(cli::FieldDocsHeading(table)) + "\n\n";
        for (const cli::FieldDoc& doc : cli::FieldDocs(table)) {
            text += "*" + Plain(doc.name) + "*\n\tForm: " + Plain(doc.form) + ".++\nNew: "
                + Plain(doc.newValue) + ".";
            if (!doc.editor.empty())
                text += "++\nEditor: " + Plain(doc.editor) + ".";
            if (!doc.derived.empty())
                text += "++\nDerived: " + Plain(doc.derived) + ".";
            text += "\n\n";
        }
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: talvexcfg_man_fields PAGE.scd.in PAGE.scd\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string page{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t at = page.find(MARKER);
    if (!in || at == std::string::npos) {
        std::cerr << "talvexcfg_man_fields: " << argv[1] << ": no line " << MARKER;
        return 1;
    }
    page.replace(at, MARKER.size(), FieldTables());
    std::ofstream out(argv[2], std::ios::binary);
    out << page;
    return out.flush() ? 0 : 1;
}
