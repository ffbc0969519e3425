#pragma once
// The fields of the four record kinds as the text form names them: one row
// per field with its byte offset, width, the bits it owns and how its value
// is written. Each row is made from the record member it names, so its name
// is the member's name and its offset and width are the member's place;
// engine-owned spans are named by their offset. Every bit of a record
// belongs to exactly one row (checked when the tables are compiled), so
// writing each row that differs from another record and reading those rows
// back over that record gives the record again. A row also names the editor
// field that shows it, for `talvexcfg fields` and the manual page.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "config/code_tables.h"
#include "config/records.h"
#include "config/table_kind.h"

namespace talvex::textform {

enum class ValueForm : std::uint8_t {
    Signed,   // decimal, two's complement of the field's width
    Unsigned, // decimal
    Hex,      // 0x and two digits per byte: engine-owned numbers
    Bytes,    // dotted hexadecimal, trailing zero bytes left off
    Words,    // the manager's word for the code, else Hex
    Flags,    // flag names joined by "|", bits without a name as one Hex
    Param,    // a 16-bit action parameter: decimal in the meaning its action
              // gives it (a delay from 0 to 65535, else signed); either is read
};

// Another member of the record that a field is written by: the length of a
// span of bytes, the action byte of a parameter.
struct LinkedMember {
    std::uint8_t offset = 0;
    std::uint8_t width = 0; // 0: none
    bool isSigned = false;
};

struct FlagName {
    std::string_view name;
    std::uint32_t bit;
};

// A code table whose codes are the field's value shifted left by `shift`
// (the condition table codes the rule's byte 5 as the word at offset 4).
struct WordSource {
    std::span<const CodeEntry> (*rows)();
    int shift;
};

struct FieldForm {
    std::string_view name;
    std::uint8_t offset;
    std::uint8_t width; // bytes; 1, 2 or 4 for numbers, up to 16 for Bytes
    std::uint32_t bits; // of the little-endian value; 0 means all of them
    ValueForm form;
    std::span<const WordSource> words = {};
    std::span<const FlagName> flags = {};
    // Bytes: the member that holds how many bytes are in use, which are all
    // written; Param: its action byte.
    LinkedMember link = {};
    // The editor field that shows it, "" where none does.
    std::string_view editor = {};

    constexpr std::uint32_t ownedBits() const
    {
        if (bits != 0)
            return bits;
        return width >= 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
    }
};

struct TableForm {
    TableKind kind;
    std::span<const FieldForm> fields;
    std::span<const std::uint8_t> (*table)(const ConfigImage&);
    bool beta2Only; // the priority queues: absent from a Beta 1 configuration
    std::string_view editorName; // the editor that shows its fields: "rule editor"

    // The word that starts the table's entry lines.
    std::string_view name() const { return FactsOf(kind).textWord; }
    int count() const { return FactsOf(kind).entryCount; }

    std::span<const std::uint8_t, RECORD_SIZE> entry(const ConfigImage& image, int n) const
    {
        return table(image).subspan(static_cast<std::size_t>(n) * RECORD_SIZE).first<RECORD_SIZE>();
    }
    std::span<std::uint8_t, RECORD_SIZE> entry(ConfigImage& image, int n) const
    {
        const auto bytes = entry(std::as_const(image), n);
        return std::span<std::uint8_t, RECORD_SIZE>(const_cast<std::uint8_t*>(bytes.data()),
                                                    RECORD_SIZE);
    }
    const FieldForm* field(std::string_view fieldName) const;
    // The field's place in `fields`.
    std::size_t indexOf(const FieldForm& f) const
    {
        return static_cast<std::size_t>(&f - fields.data());
    }
};

// Rules, QoS nodes, address masks and priority queues, in file order.
std::span<const TableForm> TableForms();
const TableForm& TableFormOf(TableKind kind);

// A mark for each field of each entry of the four tables, none at first.
class FieldMarks {
public:
    FieldMarks();
    void mark(const TableForm& table, int entry, const FieldForm& field);
    // Takes every mark of the entry away.
    void clear(const TableForm& table, int entry);
    bool marked(const TableForm& table, int entry, const FieldForm& field) const;

private:
    // By table kind, by entry: one bit for each field of the table's form.
    std::array<std::vector<std::uint64_t>, TABLE_KIND_COUNT> bits_;
};

} // namespace talvex::textform
