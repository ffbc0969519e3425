#pragma once
// One run of an editor on one live record, apart from its widgets. Opening
// takes the restore copy of the record (the editor then writes its defaults
// into the record at once), notes whether the entry was unused (the editor
// then makes a new entry) and notes the fields the editor shows. OK encodes
// the fields into the record (config/edited_inputs.h), or refuses them and
// says why (config/field_refusal.h); every other ending, the destruction of a
// session that is still open included, writes the restore copy back. Both
// endings are final and may be asked for again: a second accept() of an
// accepted session and every cancel() after the first change nothing.
//
// An editor whose opening and OK need its record alone names its session
// as a RecordEditorSession; one that needs more derives its own: its
// constructor writes the defaults and sets the opening fields, and encode()
// is the editor's OK.
#include <utility>

#include "config/edited_inputs.h"
#include "config/field_refusal.h"
#include "config/preconditions.h"

namespace talvex {

template <typename RecordType, typename FieldsType>
class EditorSession {
public:
    using Record = RecordType;
    using Fields = FieldsType;
    virtual ~EditorSession() { cancel(); }
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    int entryNumber() const { return entry_; }
    const Record& restoreCopy() const { return restoreCopy_; }
    // Opened on an unused entry: OK makes a new entry from every field shown.
    bool makesNewEntry() const { return newEntry_; }

    // The fields as the editor shows them after opening, against which OK
    // decides what the operator changed.
    const Fields& openingFields() const { return openingFields_; }
    // An editor that shows the opening fields through widgets which present
    // some value in their own way hands back what they show.
    void setOpeningFields(Fields shown) { openingFields_ = std::move(shown); }

    // OK: encodes `current` into the record and ends the session as accepted.
    // False, with the record untouched and the session open, when a field
    // OK reads is invalid, which `refusal` (when given) then names; false
    // too once the session was cancelled.
    bool accept(const Fields& current, FieldRefusal* refusal = nullptr)
    {
        if (state_ != State::Open)
            return state_ == State::Accepted;
        const ShownAtOpen<Fields> opening =
            newEntry_ ? ShownAtOpen<Fields>() : ShownAtOpen<Fields>(openingFields_);
        if (!encode(opening, current, record_, refusal))
            return false;
        state_ = State::Accepted;
        return true;
    }
    // Any other ending: the record becomes the restore copy. Nothing once the
    // session has ended.
    void cancel()
    {
        if (state_ != State::Open)
            return;
        record_ = restoreCopy_;
        state_ = State::Cancelled;
    }

    bool isOpen() const { return state_ == State::Open; }
    bool isAccepted() const { return state_ == State::Accepted; }

protected:
    // Opens on entry `entry` of `table` (RequireEntry): takes the restore copy.
    template <typename Table>
    EditorSession(Table& table, int entry)
        : record_(EntryAt(table, entry)), entry_(entry), restoreCopy_(record_),
          newEntry_(!record_.isUsed())
    {
    }

    Record& record() { return record_; }

private:
    // OK's encoding: false, with `record` untouched and the first invalid
    // field in `refusal` (when given), when a field read is invalid.
    virtual bool encode(const ShownAtOpen<Fields>& opening, const Fields& current,
                        Record& record, FieldRefusal* refusal) = 0;

    enum class State { Open, Accepted, Cancelled };

    Record& record_;
    int entry_;
    Record restoreCopy_;
    bool newEntry_;
    Fields openingFields_{};
    State state_ = State::Open;
};

// The session of an editor that opens with WriteDefaults(record), shows
// Decode(record, entry) and encodes its OK with Encode(opening, current,
// record, refusal).
template <typename Record, typename Fields, void (*WriteDefaults)(Record&),
          Fields (*Decode)(const Record&, int),
          bool (*Encode)(const ShownAtOpen<Fields>&, const Fields&, Record&, FieldRefusal*)>
class RecordEditorSession final : public EditorSession<Record, Fields> {
public:
    template <typename Table>
    RecordEditorSession(Table& table, int entry) : EditorSession<Record, Fields>(table, entry)
    {
        WriteDefaults(this->record());
        this->setOpeningFields(Decode(this->record(), entry));
    }

private:
    bool encode(const ShownAtOpen<Fields>& opening, const Fields& current, Record& record,
                FieldRefusal* refusal) override
    {
        return Encode(opening, current, record, refusal);
    }
};

} // namespace talvex
