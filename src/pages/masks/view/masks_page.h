#pragma once
// The "Address Masks" page: the 64 entries of the mask table, one line each,
// with Add, Edit, Delete and the two moves. Every command works on the image
// at once.
#include "widgets/table_list_page.h"

namespace talvex {

class CTalvexConfigMasks : public TableListPage {
    Q_OBJECT
public:
    explicit CTalvexConfigMasks(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
