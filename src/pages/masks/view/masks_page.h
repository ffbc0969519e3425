#pragma once
#include "shell/view/kit/talvex_page.h"

namespace talvex {

// The "Address Masks" page of the sheet.
class CTalvexConfigMasks : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigMasks(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
