#include "textform/derivation.h"

#include "config/preconditions.h"
#include "textform/field_values.h"

namespace talvex::textform {

// A page writes a field of an entry when its step changes what the entry
// held there. To see that also where it writes the value already held, the
// step runs on copies whose field holds, in each entry n, its value plus
// k * (n + 1) for k = 1 and 2: a value written whatever the field held
// differs from one of the two, and so does one copied from another entry's
// field (which holds another value in both).
Derivation::Derivation(const ConfigImage& image, DerivingTables tables)
    : derived_(std::make_unique<ConfigImage>(image))
{
    DeriveOnOpen(*derived_, tables);
    auto probe = std::make_unique<ConfigImage>();
    for (const ConfigTable* table : tables) {
        const TableForm& form = TableFormOf(table->kind());
        for (const DerivedMember& derived : table->derivedFields().members) {
            const FieldForm* field = form.field(derived.name);
            Require(field != nullptr && field->form != ValueForm::Bytes && field->width >= 2,
                    "a derived field is a number of the text form of 16 bits or more");
            for (std::uint32_t step = 1; step <= 2; ++step) {
                *probe = image;
                std::vector<std::uint32_t> held;
                for (int n = 0; n < form.count(); ++n) {
                    const auto record = form.entry(*probe, n);
                    const auto poison = step * static_cast<std::uint32_t>(n + 1);
                    SetFieldBits(*field, record, FieldBits(*field, record) + poison);
                    held.push_back(FieldBits(*field, record));
                }
                table->deriveOnOpen(*probe);
                for (int n = 0; n < form.count(); ++n) {
                    if (FieldBits(*field, form.entry(std::as_const(*probe), n))
                        != held[static_cast<std::size_t>(n)])
                        derives_.mark(form, n, *field);
                }
            }
        }
    }
}

bool Derivation::derives(const TableForm& table, const FieldForm& field, int entry) const
{
    return derives_.marked(table, entry, field);
}

} // namespace talvex::textform
