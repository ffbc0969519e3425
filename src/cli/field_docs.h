#pragma once
// What `talvexcfg fields` and the manual page tell of every field of the
// text form, made from the field tables (textform/field_forms.cpp) and the
// fields the pages derive (ConfigTable::derivedFields).
#include <string>
#include <vector>

#include "textform/field_forms.h"

namespace talvex::cli {

struct FieldDoc {
    std::string name;
    std::string form;     // how it is written: "a number from 0 to 65535"
    std::string newValue; // its value in a new configuration
    std::string editor;   // the editor field that shows it, "" where none does
    std::string derived;  // what import derives where the text leaves it out, "" if nothing
};

std::vector<FieldDoc> FieldDocs(const textform::TableForm& table);

// The table's entries and editor: "rule 0 to 255, shown in the rule editor".
std::string FieldDocsHeading(const textform::TableForm& table);

} // namespace talvex::cli
