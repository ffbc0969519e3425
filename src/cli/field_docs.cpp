#include "cli/field_docs.h"

#include <algorithm>

#include "config/config_file.h"
#include "config/number_texts.h"
#include "tables/config_tables.h"
#include "textform/field_values.h"

namespace talvex::cli {

namespace {

// The field in a new configuration: one value, or the entry's own number.
std::string NewValue(const textform::TableForm& table, const textform::FieldForm& field)
{
    const ConfigImage& fresh = NewConfiguration();
    const std::string first = textform::FormatField(field, table.entry(fresh, 0));
    const std::string second = textform::FormatField(field, table.entry(fresh, 1));
    if (first == second)
        return first;
    return first == "0" && second == "1" ? "the entry number" : first + " in entry 0";
}

} // namespace

std::vector<FieldDoc> FieldDocs(const textform::TableForm& table)
{
    const DerivedFields derived = ConfigTableOf(table.kind).derivedFields();
    std::vector<FieldDoc> docs;
    for (const textform::FieldForm& field : table.fields) {
        const auto member = std::ranges::find(derived.members, field.name,
                                              &DerivedMember::name);
        docs.push_back({std::string(field.name), textform::FormText(table, field),
                        NewValue(table, field), std::string(field.editor),
                        member == derived.members.end()
                            ? ""
                            : std::string(member->rule) + " (" + std::string(derived.name) + ")"});
    }
    return docs;
}

std::string FieldDocsHeading(const textform::TableForm& table)
{
    return std::string(table.name()) + " 0 to " + DecimalText(table.count() - 1)
        + ", shown in the " + std::string(table.editorName);
}

} // namespace talvex::cli
