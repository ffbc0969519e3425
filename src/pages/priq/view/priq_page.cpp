#include "pages/priq/view/priq_page.h"

#include "pages/priq/priq_config_table.h"
#include "pages/priq/priq_hints.h"
#include "pages/priq/view/priq_editor_dialog.h"

namespace talvex {

CTalvexConfigPriQ::CTalvexConfigPriQ(ShellContext& context, QWidget* parent)
    : TableListPage(context, TableObject<PriQConfigTable>(), PRIQ_LIST_HINT,
                    &RunEditor<CEditQueuePriorityDlg>, parent)
{
}

} // namespace talvex
