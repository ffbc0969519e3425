#pragma once
// The "Quality of Service (QoS)" page: the 64 entries of the QoS table, one
// line each, with Add, Edit, Delete and the two moves. Every command works on
// the image at once.
#include "widgets/table_list_page.h"

namespace talvex {

class CTalvexConfigQos : public TableListPage {
    Q_OBJECT
public:
    explicit CTalvexConfigQos(ShellContext& context, QWidget* parent = nullptr);
};

} // namespace talvex
