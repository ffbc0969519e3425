#pragma once
// The logic of the "Edit Queue Priority" editor, apart from its widgets. It
// edits one entry of the live table: opening takes a restore copy and writes
// the defaults into the entry, OK encodes the fields and recomputes the
// derived fields of the whole table, every other ending writes the copy back.
#include <array>
#include <cstdint>
#include <string>

#include "config/edited_inputs.h"
#include "config/editor_session.h"
#include "config/field_refusal.h"
#include "pages/priq/priq_table.h"

namespace talvex {

// What the editor shows and what the operator can change.
struct PriQEditorFields {
    std::string entry;                    // "PriQ" (read-only)
    std::string qos;                      // "QoS"
    std::array<std::string, 4> metrics;   // "Metric 1" to "Metric 4"
    bool startChecked = false;            // "Highest Priority ( Start A Priotity Queue )"
    bool endChecked = false;              // "Lowest Priority ( End A Priority Queue )"

    bool operator==(const PriQEditorFields&) const = default;
};

// The fields showing the record of entry `entry` as it is.
PriQEditorFields DecodePriQEditor(const PriorityQueueEntry& record, int entry);

// The defaults written when the editor opens: an empty entry becomes
// PQ_IN_USE; then an entry after entry 0 without position bits takes
// PQ_MIDDLE when the entry above has PQ_START or PQ_MIDDLE, and PQ_START when
// the entry above has no position bits at all.
void WritePriQEditorDefaults(PriQTable& table, int entry);

// The flags word OK stores: the old word without its position bits, plus
// PQ_START and/or PQ_END as checked (PQ_MIDDLE when neither), plus PQ_IN_USE.
std::uint16_t EncodePriQFlags(std::uint16_t oldFlags, bool startChecked, bool endChecked);

// OK's encoding. `opening` holds the fields as the editor showed them when it
// opened on a used entry, none for a new entry; `fields` the fields now. A new
// entry is encoded from every field, so it always gets one of the four
// positions. In a used entry a stored value is encoded again only when one of
// its inputs changed: the QoS node and each metric from its own box
// (read as "%u" reads it), the position bits and PQ_IN_USE from the two check
// boxes; every other value is kept as stored and its text is not read. False,
// with the entry untouched and the first such box in `refusal`, when a text
// read holds no number.
bool AcceptPriQEditor(const ShownAtOpen<PriQEditorFields>& opening,
                      const PriQEditorFields& fields, PriorityQueueEntry& record,
                      FieldRefusal* refusal = nullptr);

// One run of the editor on entry `entry` of the live table
// (EditorSession): opening writes WritePriQEditorDefaults and shows
// DecodePriQEditor; OK is AcceptPriQEditor followed by the structure pass over
// the whole table.
class PriQEditorSession final : public EditorSession<PriorityQueueEntry, PriQEditorFields> {
public:
    PriQEditorSession(PriQTable& table, int entry);

    // The "QoS" box is enabled exactly when the start box was checked at
    // open; later clicks on the check boxes do not change that.
    bool qosBoxEnabled() const { return openingFields().startChecked; }

private:
    bool encode(const ShownAtOpen<PriQEditorFields>& opening, const PriQEditorFields& current,
                PriorityQueueEntry& record, FieldRefusal* refusal) override;

    PriQTable& table_;
};

} // namespace talvex
