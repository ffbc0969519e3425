#pragma once
// The "Address Masks" page: the 64 entries of the mask table, one line each,
// with Add, Edit, Delete and the two moves. Every command works on the image
// at once.
#include "shell/view/kit/talvex_page.h"

class QListWidget;
class QPushButton;

namespace talvex {

class CTalvexConfigMasks : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigMasks(ShellContext& context, QWidget* parent = nullptr);

protected:
    void openPage() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onAdd();
    void onEdit();
    void onDelete();
    void onMove(bool up);
    // Runs the editor on one entry; true when it ended with OK.
    bool editEntry(int entry);
    void renderLine(int entry);
    // Renders the line, widens the list if needed and selects only that line.
    void showOnly(int entry);

    QListWidget* list_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
};

} // namespace talvex
