#pragma once
#include "shell/view/kit/talvex_page.h"

namespace talvex {

// The "Priority Queue" page of the sheet.
class CTalvexConfigPriQ : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigPriQ(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
