#pragma once
#include "shell/view/kit/talvex_page.h"

namespace talvex {

// The "Verify Configuration" page of the sheet.
class CTalvexVerify : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexVerify(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
