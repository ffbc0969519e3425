#pragma once
// Base of the four table pages (rules, address masks, priority queue, QoS):
// one multi-selection list with a line per table entry, whose current item is
// the caret, and a column of command buttons at its right, made from one
// table of commands (commands()): "Add...", "Edit...", "Delete" and, on
// pages whose table moves its entries, "Up" and "Dn"; "Duplicate" and "Copy"
// have keys but no button. A command's keys work on the list (Return is
// "Edit...", Delete is "Delete", Ctrl+D "Duplicate", Ctrl+C "Copy"), and its
// context menu offers every command with its keys, then the sheet's own
// (undo and redo). Double-clicking a line is "Edit...". A line wider than
// the list shows its whole text as a tooltip.
//
// Every command runs on the page's ConfigTable (its lines, its first unused
// entry, its delete, neighbour, exchange and duplicate, and what it redraws
// after opening, activation and changes) and the page's editor. A command
// that changed the image is one step of the history.
#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <string_view>
#include <vector>

#include "config/config_table.h"
#include "widgets/talvex_page.h"

class QAction;
class QLayout;
class QListWidget;

namespace talvex {

// The one object of a table's ConfigTable; a ConfigTable holds no state.
template <typename Table>
const ConfigTable& TableObject()
{
    static const Table table;
    return table;
}

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
    TableKind table() const { return table_.kind(); }

    // The lines of these entries drawn again (after an undo or redo).
    void renderEntries(const std::vector<int>& entries);
    // These entries become the selected lines, the caret on the first, and
    // the list gets the focus (after an undo or redo, or a finding chosen on
    // the Verify page). The page opens first if it has not yet.
    void selectEntries(const std::vector<int>& entries);
    // Actions of the sheet the list's context menu offers after the page's
    // own commands.
    void addMenuActions(const QList<QAction*>& actions);
    // The context menu's entries: every command, with its keys, then those.
    const QList<QAction*>& menuActions() const { return menuActions_; }

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
    // One command of every list page: its button, its keys on the list, and
    // what it runs.
    struct Command {
        const char* text;          // the button's and the menu's text, with its mnemonic
        const char* objectName;    // the button's object name; none: no button
        QList<QKeySequence> keys;  // on the list; none: the button and the menu alone
        bool movesOnly;            // only on pages whose table moves its entries
        void (TableListPage::*run)();
        // The keys act only when this holds (the Delete key needs a selection).
        bool (TableListPage::*keysWork)() const = nullptr;
    };
    // The commands, in the order of their buttons.
    static const std::vector<Command>& commands();
    // The buttons, the list's keys and its context menu, from the commands.
    void makeCommands(QLayout& buttons);

    // Makes the list hold a line per entry and sets the text of each.
    void renderAllLines();
    // Renders one line, widens the list if needed and selects only that line.
    void showOnly(int entry);
    // Draws what a hook of the table asks for; the caret is noted first.
    void apply(const ListUpdate& update);
    // After a command changed the table: the table derives its fields again
    // and the list draws what the table asks for.
    void afterChange();

    // The entries of the selected lines, lowest first.
    std::vector<int> selectedEntries() const;
    bool hasSelection() const;
    // Runs the editor on `entry` as Add or Edit; when it ended with OK, the
    // line is shown alone and the change recorded.
    void runEditorOn(int entry, const char* verb);

    void addEntry();
    void editEntry();
    void duplicateEntry();
    void deleteSelected();
    void moveCaret(MoveStep step);
    void moveUp() { moveCaret(MoveStep::Up); }
    void moveDown() { moveCaret(MoveStep::Down); }
    void copySelected();

    const ConfigTable& table_;
    EditorRun runEditor_;
    QListWidget* list_;
    QList<QAction*> menuActions_;
};

} // namespace talvex
