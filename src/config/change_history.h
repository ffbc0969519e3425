#pragma once
// The operator's changes to the image, one step per command, to be undone
// and redone in order. A step keeps only the records the command changed, as
// they were before and after it, so a thousand steps of single edits take
// little room; undoing gives back every byte of those records, and nothing
// else is touched.
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "config/records.h"
#include "config/table_kind.h"

namespace talvex {

// What a command did, in the operator's words, and where.
struct ChangeDescription {
    std::string verb;                   // "Delete", "Edit", "Up", ...
    TableKind table = TableKind::Rules; // the table of the page it ran on
    std::vector<int> selectedBefore;    // the entries to select once the step is undone
    std::vector<int> selectedAfter;     // the entries to select once it is done again
};

// One record a step changed.
struct RecordChange {
    TableKind table;
    int entry;
    Bytes<RECORD_SIZE> before;
    Bytes<RECORD_SIZE> after;
};

struct ChangeStep {
    ChangeDescription description;
    std::vector<RecordChange> records;  // in table order, then entry order

    // "Delete of rules 3 and 7", "Edit of QoS node 4".
    std::string text() const;
    // The entries of `table` whose records the step changed, in entry order.
    std::vector<int> entriesOf(TableKind table) const;
};

class ChangeHistory {
public:
    // The number of steps kept; the oldest goes when a new one would pass it.
    static constexpr std::size_t DEPTH = 1000;

    // Records the change from `before` to `after` as one step, when any byte
    // of the four tables differs; a new step drops the steps that were undone.
    // True when a step was recorded.
    bool record(const ConfigImage& before, const ConfigImage& after,
                ChangeDescription description);

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // Puts the records of the last step done back as they were before it, or
    // those of the next step undone as they were after it; the step, or
    // nullptr when there is none.
    const ChangeStep* undo(ConfigImage& image);
    const ChangeStep* redo(ConfigImage& image);

private:
    std::deque<ChangeStep> steps_;
    std::size_t done_ = 0;  // steps_[0, done_) are done, the rest undone
};

} // namespace talvex
