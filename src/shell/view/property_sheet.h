#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "shell/view/kit/shell_context.h"
#include "shell/view/kit/talvex_page.h"

class QDialogButtonBox;
class QTabWidget;

namespace talvex {

// The one property sheet: the pages as tabs, OK and Cancel. OK after a change
// saves before the sheet closes; a failed save says so and keeps it open.
class PropertySheet : public QDialog {
    Q_OBJECT
public:
    // Writes the image; false with a reason when that failed.
    using SaveFunction = std::function<bool(std::string& reason)>;

    PropertySheet(ShellContext& context, const QString& caption, const QString& fileName,
                  std::vector<TalvexPage*> pages, SaveFunction save, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    const std::vector<TalvexPage*>& pages() const { return pages_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void activateCurrent();

    ShellContext& context_;
    QString fileName_;
    std::vector<TalvexPage*> pages_;
    SaveFunction save_;
    QTabWidget* tabs_;
};

} // namespace talvex
