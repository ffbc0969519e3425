#pragma once
#include "shell/view/kit/talvex_page.h"

namespace talvex {

// The "Quality of Service (QoS)" page of the sheet.
class CTalvexConfigQos : public TalvexPage {
    Q_OBJECT
public:
    explicit CTalvexConfigQos(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
