#pragma once
// The logic of the "Edit Queue Priority" editor, apart from its widgets. It
// edits one entry of the live table: opening takes a restore copy and writes
// the defaults into the entry, OK encodes the fields and recomputes the
// derived fields of the whole table, every other ending writes the copy back.
#include <array>
#include <cstdint>
#include <string>

#include "pages/priq/priq_table.h"

namespace talvex {

// What the editor shows and what the operator can change.
struct PriQEditorFields {
    std::string entryNumber;              // "PriQ" (read-only)
    std::string qos;                      // "QoS"
    std::array<std::string, 4> metrics;   // "Metric 1" to "Metric 4"
    bool startChecked = false;            // "Highest Priority ( Start A Priotity Queue )"
    bool endChecked = false;              // "Lowest Priority ( End A Priority Queue )"

    bool operator==(const PriQEditorFields&) const = default;
};

// The fields showing entry `entryNumber` as it is.
PriQEditorFields DecodePriQEntry(const PriorityQueueEntry& entry, int entryNumber);

// The defaults written when the editor opens: an empty entry becomes
// PQ_IN_USE; then an entry after entry 0 without position bits takes
// PQ_MIDDLE when the entry above has PQ_START or PQ_MIDDLE, and PQ_START when
// the entry above has no position bits at all.
void WriteOpenDefaults(PriQTable& table, int entryNumber);

// The flags word OK stores: the old word without its position bits, plus
// PQ_START and/or PQ_END as checked (PQ_MIDDLE when neither), plus PQ_IN_USE.
std::uint16_t EncodePriQFlags(std::uint16_t oldFlags, bool startChecked, bool endChecked);

// OK's encoding. `opening` holds the fields as the editor showed them when it
// opened, `fields` the fields now. A stored value is encoded again only when
// one of its inputs changed: the QoS node and each metric from its own box
// (read as "%u" reads it), the position bits and PQ_IN_USE from the two check
// boxes; every other value is kept as stored and its text is not read. False,
// with the entry untouched, when a text read holds no number.
bool EncodePriQEntry(const PriQEditorFields& opening, const PriQEditorFields& fields,
                     PriorityQueueEntry& entry);

// One run of the editor on entry `entryNumber` of the live table.
class PriQEditorSession {
public:
    // Opens the editor: takes the restore copy and writes the open defaults.
    // Throws std::out_of_range for an entry number outside 0 to 63.
    PriQEditorSession(PriQTable& table, int entryNumber);
    // A session still open when it ends is cancelled.
    ~PriQEditorSession();
    PriQEditorSession(const PriQEditorSession&) = delete;
    PriQEditorSession& operator=(const PriQEditorSession&) = delete;

    int entryNumber() const { return entryNumber_; }
    // The fields as the editor first shows them (after the defaults).
    const PriQEditorFields& openingFields() const { return openingFields_; }
    // The "QoS" box is enabled exactly when the start box was checked at
    // open; later clicks on the check boxes do not change that.
    bool qosBoxEnabled() const { return openingFields_.startChecked; }

    // OK: stores what changed since the opening fields (EncodePriQEntry) and
    // runs the structure pass over the table. False when a number is missing;
    // the editor then stays open and nothing is stored. Does nothing once the
    // session has ended.
    bool Accept(const PriQEditorFields& fields);
    // Any other ending: writes the restore copy back over the entry. Does
    // nothing once the session has ended.
    void Cancel();

    bool isOpen() const { return state_ == State::Open; }
    bool isCommitted() const { return state_ == State::Committed; }

private:
    enum class State { Open, Committed, Restored };

    PriQTable& table_;
    int entryNumber_;
    PriorityQueueEntry restoreCopy_;
    PriQEditorFields openingFields_;
    State state_ = State::Open;
};

} // namespace talvex
