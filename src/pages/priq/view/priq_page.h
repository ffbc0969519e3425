#pragma once
// The "Priority Queue" page of the sheet: the 64 entries of the
// priority-queue table, drawn as a tree of queues, with Add, Edit and Delete.
#include "shell/view/kit/talvex_page.h"

class QListWidget;
class QPushButton;

namespace talvex {

class CTalvexConfigPriQ : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigPriQ(ShellContext& context, QWidget* parent = nullptr);

protected:
    void openPage() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onAdd();
    void onEdit();
    void onDelete();
    // Runs the editor on entry n; true when it ended with OK.
    bool runEditor(int n);
    // After an editor's OK on line n.
    void showEdited(int n);
    void renderLine(int n);
    // Structure pass, every line drawn again, the caret line selected alone.
    void fullRefresh();

    QListWidget* list_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
};

} // namespace talvex
