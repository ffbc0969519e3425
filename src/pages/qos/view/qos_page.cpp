#include "pages/qos/view/qos_page.h"

#include "pages/qos/qos_config_table.h"
#include "pages/qos/qos_hints.h"
#include "pages/qos/view/qos_editor_dialog.h"

namespace talvex {

CTalvexConfigQos::CTalvexConfigQos(ShellContext& context, QWidget* parent)
    : TableListPage(context, TableObject<QosConfigTable>(), QOS_LIST_HINT, &RunEditor<CEditQosDlg>,
                    parent)
{
}

} // namespace talvex
