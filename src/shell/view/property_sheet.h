#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "widgets/shell_context.h"
#include "widgets/talvex_page.h"
#include "shell/view/sheet_closing.h"

class QDialogButtonBox;
class QTabWidget;

namespace talvex {

// The one property sheet: the pages as tabs, OK and Cancel. OK after a change
// saves to `fileName` before the sheet closes; a failed save says why and
// offers another name, or keeps the sheet open. Leaving in any other way
// after a change (Cancel, Escape, closing the window) asks first.
class CTalvexPropertySheet : public QDialog {
    Q_OBJECT
public:
    CTalvexPropertySheet(ShellContext& context, const QString& caption, std::string fileName,
                         std::vector<TalvexPage*> pages, SaveFunction save,
                         QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    const std::vector<TalvexPage*>& pages() const { return pages_; }

    // Runs `action` once, just after the sheet first shows (for a window that
    // belongs over it); actions run in the order they were given.
    void runAfterShown(std::function<void()> action) { afterShown_.push_back(std::move(action)); }

    void accept() override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void activateCurrent();

    ShellContext& context_;
    std::string fileName_;
    std::vector<TalvexPage*> pages_;
    SaveFunction save_;
    std::vector<std::function<void()>> afterShown_;
    QTabWidget* tabs_;
};

} // namespace talvex
