#pragma once
// Base of the four table pages (rules, address masks, priority queue, QoS):
// one multi-selection list with a line per table entry, whose current item is
// the caret, and a column of command buttons at its right: "Add...",
// "Edit...", "Delete" and, on pages whose table moves its entries, "Up" and
// "Dn". Double-clicking a line, or Return on it, is "Edit..."; the Delete key
// on the list is "Delete". A line wider than the list shows its whole text
// as a tooltip.
//
// Every command runs on the page's ConfigTable (its lines, its first unused
// entry, its delete, neighbour and exchange, and what it redraws after
// opening, activation and changes) and the page's editor.
#include <QDialog>
#include <string_view>

#include "config/config_table.h"
#include "widgets/talvex_page.h"

class QListWidget;

namespace talvex {

// Runs a page's editor on one entry, modal; true when it ended with OK.
using EditorRun = bool (*)(ShellContext& context, int entry, QWidget* parent);

// The EditorRun of the editor dialog class Editor.
template <typename Editor>
bool RunEditor(ShellContext& context, int entry, QWidget* parent)
{
    Editor editor(context, entry, parent);
    return context.RunModal(editor) == QDialog::Accepted;
}

class TableListPage : public TalvexPage {
    Q_OBJECT
public:
    QListWidget& list() const { return *list_; }

protected:
    // The page's caption and its list's object name are the table's;
    // `hint` is shown whenever the list gets the focus; Add and Edit open the
    // editor through `runEditor`.
    TableListPage(ShellContext& context, const ConfigTable& table, std::string_view hint,
                  EditorRun runEditor, QWidget* parent);

    // Gives the list the shell's list font, lets the table derive its fields
    // and draws what the table asks for on opening.
    void openPage() override;
    // Draws what the table asks for on activation.
    void pageActivated() override;

    // Puts the text of one entry in its line; by default in place.
    virtual void renderLine(int entry);

    bool eventFilter(QObject* watched, QEvent* event) override;

    QString lineText(int entry) const;

private:
    // Makes the list hold a line per entry and sets the text of each.
    void renderAllLines();
    // Renders one line, widens the list if needed and selects only that line.
    void showOnly(int entry);
    // Draws what a hook of the table asks for; the caret is noted first.
    void apply(const ListUpdate& update);
    // After a command changed the table: the table derives its fields again
    // and the list draws what the table asks for.
    void afterChange();

    void addEntry();
    void editEntry();
    void deleteSelected();
    void moveCaret(MoveStep step);

    const ConfigTable& table_;
    EditorRun runEditor_;
    QListWidget* list_;
};

} // namespace talvex
