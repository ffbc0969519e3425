#pragma once
#include "widgets/talvex_page.h"

namespace talvex {

// The "Info" page: the product picture and the product text; no commands.
class CTalvexConfigInfo : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigInfo(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
