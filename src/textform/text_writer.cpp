#include <algorithm>
#include <array>
#include <vector>

#include "config/config_file.h"
#include "config/number_texts.h"
#include "config/text_recognition.h"
#include "textform/field_values.h"
#include "textform/text_form.h"

namespace talvex::textform {

namespace {

// Writes the lines of an image's text, over a base or a new configuration.
class TextWriter {
public:
    TextWriter(const ConfigImage& image, DerivingTables tables, const TextImport* base)
        : image_(image), base_(base), derivation_(image, tables)
    {
    }

    std::string header() const
    {
        return std::string(CONFIG_TEXT_HEADER) + " " + std::string(GenerationName(image_)) + "\n";
    }

    // Whether the text has the table's lines at all.
    bool writes(const TableForm& table) const
    {
        return !(table.beta2Only && image_.priQBlockAbsent);
    }

    // The entry's line; none where reading the text without it gives the
    // entry.
    std::string line(const TableForm& table, int n) const
    {
        // What reading the text without the entry's line gives it, and what
        // a new entry is after the pages derived their fields.
        std::array<std::uint8_t, RECORD_SIZE> leftOut{};
        std::array<std::uint8_t, RECORD_SIZE> unused{};
        std::ranges::copy(table.entry(base_ != nullptr ? base_->given() : NewConfiguration(), n),
                          leftOut.begin());
        std::ranges::copy(table.entry(NewConfiguration(), n), unused.begin());
        const auto derived = table.entry(derivation_.derived(), n);
        for (const FieldForm& field : table.fields) {
            if (!derivation_.derives(table, field, n))
                continue;
            CopyField(field, derived, unused);
            if (base_ == nullptr || !base_->gives(table, n, field))
                CopyField(field, derived, leftOut);
        }
        const auto entry = table.entry(image_, n);
        const std::string fields = DifferingFields(table, entry, leftOut);
        if (fields.empty())
            return {};
        const bool emptied = base_ != nullptr && std::ranges::equal(entry, unused);
        return std::string(table.name()) + " " + DecimalText(n) + (emptied ? " unused" : fields)
            + "\n";
    }

private:
    const ConfigImage& image_;
    const TextImport* base_;
    const Derivation derivation_;
};

} // namespace

std::string_view GenerationName(const ConfigImage& image)
{
    return image.priQBlockAbsent ? "Beta 1" : "Beta 2";
}

std::string WriteConfigText(const ConfigImage& image, DerivingTables tables,
                            const TextImport* base)
{
    const TextWriter writer(image, tables, base);
    std::string text = writer.header();
    for (const TableForm& table : TableForms()) {
        if (!writer.writes(table))
            continue;
        for (int n = 0; n < table.count(); ++n)
            text += writer.line(table, n);
    }
    return text;
}

std::string WriteEntriesText(const ConfigImage& image, TableKind table,
                             std::span<const int> entries, DerivingTables tables)
{
    const TextWriter writer(image, tables, nullptr);
    const TableForm& form = TableFormOf(table);
    std::string text = writer.header();
    if (!writer.writes(form))
        return text;
    std::vector<int> ordered(entries.begin(), entries.end());
    std::ranges::sort(ordered);
    ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());
    for (const int n : ordered) {
        if (n >= 0 && n < form.count())
            text += writer.line(form, n);
    }
    return text;
}

} // namespace talvex::textform
