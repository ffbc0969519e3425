#include "pages/priq/view/priq_page.h"

#include "pages/priq/priq_hints.h"
#include "pages/priq/view/priq_editor_dialog.h"
#include "tables/config_tables.h"

namespace talvex {

CTalvexConfigPriQ::CTalvexConfigPriQ(ShellContext& context, QWidget* parent)
    : TableListPage(context, ConfigTableOf(TableKind::PriQ), QStringLiteral("Priority Queue"),
                    "priqList", PRIQ_LIST_HINT, &RunEditor<CEditQueuePriorityDlg>, parent)
{
}

} // namespace talvex
