#pragma once
// The "Quality of Service (QoS)" page: the 64 entries of the QoS table, one
// line each, with Add, Edit, Delete and the two moves. Every command works on
// the image at once.
#include "shell/view/kit/talvex_page.h"

class QListWidget;
class QPushButton;

namespace talvex {

class CTalvexConfigQos : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigQos(ShellContext& context, QWidget* parent = nullptr);

protected:
    void openPage() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onAdd();
    void onEdit();
    void onDelete();
    void onMove(int caret, int neighbour);
    // Runs the editor on one entry; true when it ended with OK.
    bool editEntry(int entry);
    // Puts a fresh line in place of the old one; the caret stays where it was.
    void replaceLine(int entry);
    // Replaces the line, widens the list if needed and selects only that line.
    void showOnly(int entry);

    QListWidget* list_ = nullptr;
};

} // namespace talvex
