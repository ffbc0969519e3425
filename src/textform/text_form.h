#pragma once
// The whole configuration as text: exact to the byte, readable in a diff,
// writable by hand.
//
//   TALVEX configuration Beta 2
//   # comments and blank lines are ignored
//   rule 0 ruleFlags=RULE_DEFINED offsetBase=FRAGS thenAction="Next Rule" offset=9 ...
//   rule 1 ruleFlags=RULE_DEFINED condition="Packet Sent" thenAction=QoS... thenParam=2 ...
//   qos 2 flags=QOS_IMMORTAL|QOS_BY_BYTES rateInterval=8000
//   mask 0 flags=MASK_IN_USE srcMask=FF.FF.FF.FF srcKeyType="IP addr" srcBase=FRAGS ...
//
// Header: the first line that is not blank or a comment is "TALVEX
// configuration Beta 1" (rules, QoS nodes, address masks) or "... Beta 2"
// (adds the priority queues); it sets the generation the file is saved in.
//
// Entries: one line each, "TABLE ENTRY name=value ...", TABLE one of rule,
// qos, mask, priq, ENTRY the entry number. Every entry starts as the entry of
// a new configuration (ResetTables); the fields given on its line replace
// their part of it, in any order. A field the manager's pages write on their
// own (DerivedFields: the rule stamps, the queue structure) that the text
// leaves out takes the value the pages derive, where they derive it. So an
// entry left out, or a field left out, keeps its new or derived value, and a
// header with a few entry lines is a whole configuration. The writer writes
// exactly the entries and fields that differ from that, in table and field
// order.
//
// Several texts make one configuration (a fleet's base and a site): each
// entry line of a later text replaces the fields it names of its entry, and
// "TABLE ENTRY unused" makes the entry new again; the last header sets the
// generation. Written over a base, a text holds what differs from the base.
//
// Fields carry the record's own field names (field_forms.cpp); the bytes
// that belong to the engine are named by their offset (engine16 is the
// engine's u32 at byte 16). Every bit of a record belongs to exactly one
// field, which is what makes the text exact:
// - numbers in decimal (signed where the field is); an action's parameter
//   in the meaning the action gives it (a delay from 0 to 65535), either
//   meaning read;
// - patterns, masks and engine byte spans in dotted hexadecimal; bytes after
//   the ones given are zero, and the writer writes the bytes the span's
//   length member says are in use, then leaves trailing zero bytes off;
// - codes by the manager's words: offsetBase=FRAGS, condition="==",
//   thenAction="Forward Frame" (the dots of "QoS..." may be left off);
// - flag words by flag names joined by "|": flags=MASK_IN_USE|MASK_AUDIT;
// - anything no table names is written in hexadecimal with two digits a
//   byte: an unknown code, a code byte with the kept high bits set
//   (thenAction=0x25), spare flag bits (ruleFlags=RULE_DEFINED|0x08), engine
//   numbers. Every number, entry numbers too, may be given that way.
// Rule byte 4 holds two fields, ruleFlags (bits 0-3) and offsetBase (bits
// 4-7); an action or condition byte is one field, whole, so a byte with a
// kept high bit set is no action word but its hexadecimal value.
// A value with anything but letters, digits and "_.|+-" is written in double
// quotes; "#" outside quotes starts a comment.
//
// The engine's run-time fields (rule bytes 16-19 and 22-25, ALWAYS_HIT and
// ALWAYS_MISS; QoS bytes 0-11, 14-35, 52-59) are cleared by every load, so a
// loaded configuration never holds them and the reader refuses a value there
// rather than write a file that changes on its next load.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "config/failure.h"
#include "config/records.h"
#include "textform/derivation.h"

namespace talvex::textform {

// A reader reports this many failures, then one more when there are more.
constexpr std::size_t MAX_TEXT_FAILURES = 20;

// "Beta 1" when the priority-queue block is absent, else "Beta 2".
std::string_view GenerationName(const ConfigImage& image);

// A configuration read from texts, one after the other.
class TextImport {
public:
    explicit TextImport(DerivingTables tables);
    ~TextImport();
    TextImport(const TextImport&) = delete;
    TextImport& operator=(const TextImport&) = delete;

    // Reads a text over the texts read before. False when it is wrong: each
    // failure, added to `failures`, names the line, the column and the
    // reason; the import then holds whatever was read.
    bool read(std::string_view text, std::vector<Failure>& failures);

    // The configuration the texts give: every field no entry line named
    // holds its new value, or the pages' derived value where they derive it.
    void finish(ConfigImage& image) const;

    // What the texts gave, every other field at its new value.
    const ConfigImage& given() const { return *given_; }
    // Whether an entry line named this field of this entry.
    bool gives(const TableForm& table, int entry, const FieldForm& field) const;

private:
    friend class TextReader;

    DerivingTables tables_;
    std::unique_ptr<ConfigImage> given_;
    FieldMarks givenFields_;
};

// One text read into the image: `talvexcfg import TEXT`.
bool ReadConfigText(std::string_view text, ConfigImage& image, std::vector<Failure>& failures,
                    DerivingTables tables);

// The text of a loaded image (after ClearRuntimeFields, with the mask
// block). A field is written where the image holds something else than
// reading the text without it gives: the new value or the pages' derived
// value, or over `base` what the base gives. An entry the image holds as
// new that the base gives otherwise is written "unused".
std::string WriteConfigText(const ConfigImage& image, DerivingTables tables,
                            const TextImport* base = nullptr);

// Some entries of one table as the text writes them: the header line and
// the lines of those entries, in entry order (an entry as a new
// configuration holds it has no line). What the manager copies for a ticket
// or a text file.
std::string WriteEntriesText(const ConfigImage& image, TableKind table,
                             std::span<const int> entries, DerivingTables tables);

} // namespace talvex::textform
