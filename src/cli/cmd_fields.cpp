#include <ostream>

#include "cli/cli_command.h"
#include "cli/field_docs.h"
#include "config/table_kind.h"

namespace talvex::cli {

// fields [TABLE]: every field of the text form, of one table or all four, as
// a block each: its name, then how it is written, its value in a new
// configuration, the editor field that shows it and what import derives.
int CmdFields(const Args& args, const Console& io)
{
    const auto kind = args.size() == 1 ? TableNamed(args[0]) : std::nullopt;
    if (args.size() > 1 || (args.size() == 1 && !kind)) {
        if (args.size() == 1)
            io.err << "talvexcfg: unknown table '" << args[0] << "' (rule, qos, mask or priq)\n";
        return UsageError(io.err);
    }
    std::string text = "A field an entry line leaves out keeps its new value; a derived one takes\n"
                       "what the manager's page derives instead.\n";
    for (const textform::TableForm& table : textform::TableForms()) {
        if (kind && table.kind != *kind)
            continue;
        text += "\n" + FieldDocsHeading(table) + "\n";
        for (const FieldDoc& doc : FieldDocs(table)) {
            text += "\n" + doc.name + "\n  form:    " + doc.form + "\n  new:     " + doc.newValue
                + "\n";
            if (!doc.editor.empty())
                text += "  editor:  " + doc.editor + "\n";
            if (!doc.derived.empty())
                text += "  derived: " + doc.derived + "\n";
        }
    }
    io.out << text;
    return EXIT_OK;
}

} // namespace talvex::cli
