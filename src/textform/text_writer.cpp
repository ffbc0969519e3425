#include <algorithm>
#include <array>
#include <memory>

#include "config/config_file.h"
#include "config/number_texts.h"
#include "config/text_recognition.h"
#include "textform/field_values.h"
#include "textform/text_form.h"

namespace talvex::textform {

std::string_view GenerationName(const ConfigImage& image)
{
    return image.priQBlockAbsent ? "Beta 1" : "Beta 2";
}

std::string WriteConfigText(const ConfigImage& image, DerivingTables tables,
                            const TextImport* base)
{
    auto fresh = std::make_unique<ConfigImage>();
    ResetTables(*fresh);
    const ConfigImage& start = base != nullptr ? base->given() : *fresh;
    const Derivation derivation(image, tables);
    std::string text = std::string(CONFIG_TEXT_HEADER) + " " + std::string(GenerationName(image))
        + "\n";
    for (const TableForm& table : TableForms()) {
        if (table.beta2Only && image.priQBlockAbsent)
            continue;
        for (int n = 0; n < table.count(); ++n) {
            // What reading the text without the entry's line gives it, and
            // what a new entry is after the pages derived their fields.
            std::array<std::uint8_t, RECORD_SIZE> leftOut{};
            std::array<std::uint8_t, RECORD_SIZE> unused{};
            std::ranges::copy(table.entry(start, n), leftOut.begin());
            std::ranges::copy(table.entry(*fresh, n), unused.begin());
            const auto derived = table.entry(derivation.derived(), n);
            for (const FieldForm& field : table.fields) {
                if (!derivation.derives(table, field, n))
                    continue;
                CopyField(field, derived, unused);
                if (base == nullptr || !base->gives(table, n, field))
                    CopyField(field, derived, leftOut);
            }
            const auto entry = table.entry(image, n);
            const std::string fields = DifferingFields(table, entry, leftOut);
            if (fields.empty())
                continue;
            const bool emptied = base != nullptr && std::ranges::equal(entry, unused);
            text += std::string(table.name()) + " " + DecimalText(n)
                + (emptied ? " unused" : fields) + "\n";
        }
    }
    return text;
}

} // namespace talvex::textform
