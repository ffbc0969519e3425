#pragma once
// One shape for the four tables of the image (rules, address masks, priority
// queues, QoS nodes): everything a list page and `talvexcfg list` do with a
// table, apart from widgets and the editor. Each table implements it once,
// as an ImageTable beside its page (pages/<table>/<table>_config_table.h).
//
// Entry numbers handed to these operations are a precondition (RequireEntry
// in config/preconditions.h): a list offers only lines of its table. The
// caret is not: the decisions that take it (Edit, Up, Dn) do nothing for a
// caret outside the table or no caret (negative).
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/preconditions.h"
#include "config/records.h"
#include "config/rewritten_entries.h"
#include "config/table_kind.h"

namespace talvex {

// Up and Dn.
enum class MoveStep { Up, Down };

// What Edit does.
enum class EditStep {
    Nothing,          // no caret, or the caret outside the table
    SelectCaretOnly,  // several lines are selected: the caret line becomes the only one
    OpenEditor,       // the editor opens on the caret line
};

// The selection after Delete.
enum class SelectAfter {
    OnlyLine,   // `DeleteResult::line` becomes the only selected line and the caret
    NoLine,     // no line stays selected
    Unchanged,  // the selection stays as it was
};

struct DeleteResult {
    std::vector<int> emptied;  // the entries emptied, highest first
    SelectAfter select = SelectAfter::OnlyLine;
    int line = 0;              // with SelectAfter::OnlyLine

    bool operator==(const DeleteResult&) const = default;
};

// A field a page writes on its own, and in a few words what it writes.
struct DerivedMember {
    std::string_view name; // "ruleIndex"
    std::string_view rule; // "the rule's own entry number"
};

// The fields a page writes on its own (ConfigTable::deriveOnOpen and
// deriveAfterChange): what the page calls them together and each record
// member it may write. Which entries the page writes them in, and what, is
// its derivation's own business.
struct DerivedFields {
    std::string_view name; // "rule stamps"
    std::span<const DerivedMember> members;
};

// A member's name, checked to be one of the record: for DerivedFields.
#define TALVEX_MEMBER_NAME(Record, member)                                                         \
    (static_cast<void>(&Record::member), std::string_view(#member))

// What a list draws when its page opens, becomes current again, or after a
// command changed its table, in this order.
struct ListUpdate {
    bool allLines = false;     // every line
    bool fitWidth = false;     // then FitListWidth
    bool caretOnly = false;    // then the caret line, noted before, as the only selected line

    bool operator==(const ListUpdate&) const = default;
};

class ConfigTable {
public:
    virtual ~ConfigTable() = default;

    TableKind kind() const { return kind_; }
    const TableFacts& facts() const { return FactsOf(kind_); }
    int entryCount() const { return facts().entryCount; }
    // Whether the page offers Up and Dn.
    bool moves() const { return moves_; }

    virtual std::string lineText(const ConfigImage& image, int entry) const = 0;
    // The entry Add opens the editor on: the lowest unused one; nothing when
    // every entry is in use.
    virtual std::optional<int> firstUnused(const ConfigImage& image) const = 0;

    // Edit (or a double-click) with the caret on `caret` and `selectedCount`
    // lines selected.
    EditStep decideEdit(int caret, int selectedCount) const;
    // Empties every selected entry, each once, from the last to the first,
    // and names the selection afterwards: the line after the lowest emptied
    // entry, line 0 when nothing was selected, and the table's own rule when
    // the lowest emptied entry is the last line. References to the emptied
    // entries stay as they are. The caller sets `modified`.
    DeleteResult deleteEntries(ConfigImage& image, std::span<const int> selected) const;
    // The entry Up or Dn exchanges the caret entry with; nothing at the ends
    // of the table, without a caret, or on a table that does not move.
    std::optional<int> neighbour(int caret, MoveStep step) const;
    // Renumbers every reference to entries a and b, then exchanges them as
    // whole records. Returns every entry of every table whose record
    // changed, a and b included. Only on a table that moves. The caller sets
    // `modified`.
    RewrittenEntries exchange(ConfigImage& image, int a, int b) const;
    // Duplicate: the record of `entry`, when it is in use, copied into the
    // lowest unused entry, whose number is returned; nothing when the entry
    // is unused or every entry is in use. What a table keeps of the entry a
    // copy lands in stays (a rule's own number). The caller sets `modified`.
    std::optional<int> duplicate(ConfigImage& image, int entry) const;

    // The fields the page writes on its own, derived from the rest of the
    // image, when it opens (the rules' own numbers, the queues' structure)
    // and after a command (Add or Edit ended with OK, Delete, Up, Dn)
    // changed the table; neither sets `modified`. By default none. talvexcfg
    // runs the opening step to see the image as the manager shows it.
    virtual void deriveOnOpen(ConfigImage& image) const;
    virtual void deriveAfterChange(ConfigImage& image) const;
    // The fields those two steps write; none by default.
    virtual DerivedFields derivedFields() const { return {}; }

    // What the list draws when the page is shown for the first time (by
    // default every line, without fitting the width), when it becomes the
    // current one again, and after a command changed the table.
    virtual ListUpdate openUpdate() const;
    virtual ListUpdate activateUpdate() const;
    virtual ListUpdate changeUpdate() const;

protected:
    constexpr ConfigTable(TableKind kind, bool moves) : kind_(kind), moves_(moves) {}

    // Delete's work on one entry.
    virtual void emptyEntry(ConfigImage& image, int entry) const = 0;
    virtual bool isUsed(const ConfigImage& image, int entry) const = 0;
    // Duplicate's copy of one record over an unused one.
    virtual void copyRecord(ConfigImage& image, int from, int to) const = 0;
    // The selection after a delete whose lowest entry was the last line.
    virtual SelectAfter afterDeletingLastLine() const { return SelectAfter::Unchanged; }
    // The first step of the exchange of a table that moves: the references
    // to a and b, in this table and the others, follow their entries.
    virtual void renumberReferences(ConfigImage& image, int a, int b,
                                    RewrittenEntries& rewritten) const;

private:
    // The second step: the two records change places.
    virtual void swapRecords(ConfigImage& image, int a, int b) const = 0;

    TableKind kind_;
    bool moves_;
};

// A ConfigTable on one table of the image, `image.*Member`: the lowest
// unused entry is Add's, and an exchange swaps two of its records.
template <auto Member>
class ImageTable : public ConfigTable {
public:
    std::optional<int> firstUnused(const ConfigImage& image) const final;

protected:
    using ConfigTable::ConfigTable;

    bool isUsed(const ConfigImage& image, int entry) const final
    {
        return entryIn(image, entry).isUsed();
    }
    void copyRecord(ConfigImage& image, int from, int to) const override
    {
        entryIn(image, to) = entryIn(image, from);
    }

    // Entry `entry` of the table (RequireEntry).
    static auto& entryIn(ConfigImage& image, int entry) { return EntryAt(image.*Member, entry); }
    static const auto& entryIn(const ConfigImage& image, int entry)
    {
        return EntryAt(image.*Member, entry);
    }

private:
    void swapRecords(ConfigImage& image, int a, int b) const final
    {
        std::swap(entryIn(image, a), entryIn(image, b));
    }
};

// The lowest entry of `table` that is not in use.
template <typename Table>
std::optional<int> FirstUnusedIn(const Table& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!table[i].isUsed())
            return static_cast<int>(i);
    }
    return std::nullopt;
}

template <auto Member>
std::optional<int> ImageTable<Member>::firstUnused(const ConfigImage& image) const
{
    return FirstUnusedIn(image.*Member);
}

// The opening step of each of `tables` run on the image (deriveOnOpen): the
// image as their pages leave it when they open.
void DeriveOnOpen(ConfigImage& image, std::span<const ConfigTable* const> tables);

// The neighbour of `caret` in a table of `count` entries.
std::optional<int> NeighbourOf(int caret, MoveStep step, int count);

// Delete in a table of `count` entries, emptying each entry with `empty`.
DeleteResult DeleteSelected(int count, std::span<const int> selected, SelectAfter afterLastLine,
                            const std::function<void(int entry)>& empty);

} // namespace talvex
