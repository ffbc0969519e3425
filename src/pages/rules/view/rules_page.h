#pragma once
#include "shell/view/kit/talvex_page.h"

class QListWidget;
class QPushButton;

namespace talvex {

// The "Rules" page of the sheet: one line per rule slot, and the commands
// that add, edit, delete and move rules.
class CTalvexConfigRules : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigRules(ShellContext& context, QWidget* parent = nullptr);

    QListWidget& list() const { return *list_; }

public slots:
    void addRule();
    void editRule();
    void deleteRules();
    void moveUp();
    void moveDown();

protected:
    void openPage() override;
    void pageActivated() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuildLine(int slot);
    void rebuildAllLines();
    bool runEditor(int slot);
    void exchangeWith(int caret, int other);

    QListWidget* list_;
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* delete_;
    QPushButton* up_;
    QPushButton* down_;
};

} // namespace talvex
