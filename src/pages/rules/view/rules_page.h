#pragma once
#include "shell/view/kit/talvex_page.h"

namespace talvex {

// The "Rules" page of the sheet.
class CTalvexConfigRules : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigRules(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
