#pragma once
// The "Priority Queue" page of the sheet: the 64 entries of the
// priority-queue table, drawn as a tree of queues, with Add, Edit and Delete.
// After opening and after every command the structure pass runs and every
// line is drawn again.
#include "widgets/table_list_page.h"

namespace talvex {

class CTalvexConfigPriQ : public TableListPage {
    Q_OBJECT
public:
    explicit CTalvexConfigPriQ(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
