#include "pages/qos/view/qos_page.h"

#include "pages/qos/qos_config_table.h"
#include "pages/qos/qos_hints.h"
#include "pages/qos/view/qos_editor_dialog.h"

namespace talvex {

namespace {

const QosConfigTable QOS_TABLE;

} // namespace

CTalvexConfigQos::CTalvexConfigQos(ShellContext& context, QWidget* parent)
    : TableListPage(context, QOS_TABLE, QOS_LIST_HINT, &RunEditor<CEditQosDlg>, parent)
{
}

} // namespace talvex
