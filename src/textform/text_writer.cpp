#include <algorithm>
#include <memory>

#include "config/config_file.h"
#include "config/number_texts.h"
#include "textform/field_values.h"
#include "textform/text_form.h"

namespace talvex::textform {

std::string_view GenerationName(const ConfigImage& image)
{
    return image.priQBlockAbsent ? "Beta 1" : "Beta 2";
}

std::string WriteConfigText(const ConfigImage& image)
{
    auto fresh = std::make_unique<ConfigImage>();
    ResetTables(*fresh);
    std::string text = "TALVEX configuration " + std::string(GenerationName(image)) + "\n";
    for (const TableForm& table : TableForms()) {
        if (table.beta2Only && image.priQBlockAbsent)
            continue;
        for (int n = 0; n < table.count(); ++n) {
            const auto entry = table.entry(image, n);
            const auto blank = table.entry(*fresh, n);
            if (std::ranges::equal(entry, blank))
                continue;
            text += std::string(table.name()) + " " + DecimalText(n)
                + DifferingFields(table, entry, blank) + "\n";
        }
    }
    return text;
}

} // namespace talvex::textform
