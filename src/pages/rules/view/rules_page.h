#pragma once
#include "widgets/table_list_page.h"

namespace talvex {

// The "Rules" page of the sheet: one line per rule slot, and the commands
// that add, edit, delete and move rules.
class CTalvexConfigRules : public TableListPage {
    Q_OBJECT
public:
    explicit CTalvexConfigRules(ShellContext& context, QWidget* parent = nullptr);

protected:
    void openPage() override;
    void pageActivated() override;

    int entryCount() const override;
    QString lineText(int slot) const override;
    std::optional<int> lowestUnused() const override;
    bool runEditor(int slot) override;
    std::optional<int> deleteEntries(std::span<const int> selected) override;
    std::optional<int> moveNeighbour(int caret, MoveStep step) const override;
    void exchangeEntries(int a, int b) override;
};

} // namespace talvex
