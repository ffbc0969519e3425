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
};

} // namespace talvex
