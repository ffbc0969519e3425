#pragma once
// Base of the four table pages (rules, address masks, priority queue, QoS):
// one multi-selection list with a line per table entry, whose current item is
// the caret, and a column of command buttons at its right: "Add...",
// "Edit...", "Delete" and, on pages that reorder their entries, "Up" and
// "Dn". Double-clicking a line, or Return on it, is "Edit..."; the Delete key
// on the list is "Delete". A line wider than the list shows its whole text
// as a tooltip. The steps of the commands are
// the same on every page; a page supplies its table through the hooks below.
#include <optional>
#include <span>
#include <string_view>

#include "widgets/talvex_page.h"

class QListWidget;

namespace talvex {

class TableListPage : public TalvexPage {
    Q_OBJECT
public:
    enum class Moves { None, UpDown };
    enum class MoveStep { Up, Down };

    QListWidget& list() const { return *list_; }

protected:
    // `listName` becomes the list's object name; `hint` is shown whenever
    // the list gets the focus.
    TableListPage(ShellContext& context, const QString& caption, const char* listName,
                  std::string_view hint, Moves moves, QWidget* parent);

    // Gives the list the shell's list font and renders every line.
    void openPage() override;

    // The number of lines (entries in the table).
    virtual int entryCount() const = 0;
    // The line text of entry `entry`.
    virtual QString lineText(int entry) const = 0;
    // The entry Add opens the editor on; nothing when the table is full.
    virtual std::optional<int> lowestUnused() const = 0;
    // Runs the page's editor on one entry; true when it ended with OK.
    virtual bool runEditor(int entry) = 0;
    // Empties the selected entries (line numbers in ascending order) and
    // returns the line to select afterwards. A line outside the list leaves
    // the selection as it is; nothing clears it.
    virtual std::optional<int> deleteEntries(std::span<const int> selected) = 0;
    // The entry Up or Dn exchanges the caret entry with; nothing when the
    // move is not possible from there. Only pages with Moves::UpDown.
    virtual std::optional<int> moveNeighbour(int caret, MoveStep step) const;
    // Exchanges two entries, with whatever the page renumbers elsewhere.
    virtual void exchangeEntries(int a, int b);
    // Runs after every command that changed the table.
    virtual void afterChange() {}
    // Puts the text of one entry in its line; by default in place.
    virtual void renderLine(int entry);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Makes the list hold entryCount() lines and sets the text of each.
    void renderAllLines();
    // Renders one line, widens the list if needed and selects only that line.
    void showOnly(int entry);

private:
    void addEntry();
    void editEntry();
    void deleteSelected();
    void moveCaret(MoveStep step);

    QListWidget* list_;
};

} // namespace talvex
