#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "config/change_history.h"
#include "shell/saved_image.h"
#include "shell/view/sheet_closing.h"
#include "widgets/shell_context.h"
#include "widgets/talvex_page.h"

class QAction;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

namespace talvex {

class TableListPage;

// The one property sheet: the pages as tabs, then Undo and Redo, OK, Cancel
// and Apply. OK after a change saves to `fileName` before the sheet closes,
// Apply (and Ctrl+S) saves and keeps it open, Ctrl+Shift+S saves under a
// name the operator chooses, which the sheet then edits; a failed save says
// why and offers another name. Leaving in any other way with unsaved changes
// (Cancel, Escape, closing the window) asks first. What counts as unsaved is
// a difference from the image last saved, or first shown; the caption
// carries the desktop's changed mark while there is one. Every change the
// pages make is a step of the sheet's history: Ctrl+Z undoes it, Ctrl+Shift+Z
// and Ctrl+Y do it again. Return presses OK only on OK itself.
class CTalvexPropertySheet : public QDialog {
    Q_OBJECT
public:
    CTalvexPropertySheet(ShellContext& context, std::string fileName,
                         std::vector<TalvexPage*> pages, SaveFunction save,
                         QWidget* parent = nullptr);
    ~CTalvexPropertySheet() override;

    QTabWidget* tabs() const { return tabs_; }
    const std::vector<TalvexPage*>& pages() const { return pages_; }
    const std::string& fileName() const { return fileName_; }

    // Runs `action` once, just after the sheet first shows (for a window that
    // belongs over it); actions run in the order they were given.
    void runAfterShown(std::function<void()> action) { afterShown_.push_back(std::move(action)); }

    void accept() override;
    void reject() override;

    // Ctrl+S, Apply: saves when there are unsaved changes; Ctrl+Shift+S:
    // saves under a chosen name. Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y.
    void save();
    void saveAs();
    void undo();
    void redo();
    // The page of `table` in front, with these entries selected.
    void showEntries(TableKind table, const std::vector<int>& entries);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QDialogButtonBox* makeButtons();
    void makeActions();
    void activateCurrent();
    TableListPage* pageOf(TableKind table) const;
    // The pages draw again what a step of the history changed, its page
    // comes to the front with `selected`, and the hints say what happened.
    void showStep(const ChangeStep& step, const std::vector<int>& selected, const char* done);
    // The caption's changed mark, `modified`, Apply and Undo/Redo follow the
    // image.
    void refreshChangedState();
    void saved(const std::string& target);
    void showCaption();

    ShellContext& context_;
    std::string fileName_;
    std::vector<TalvexPage*> pages_;
    SaveFunction save_;
    ChangeHistory history_;
    SavedImage savedImage_;
    std::vector<std::function<void()>> afterShown_;
    QTabWidget* tabs_;
    QPushButton* undoButton_ = nullptr;
    QPushButton* redoButton_ = nullptr;
    QPushButton* applyButton_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

} // namespace talvex
