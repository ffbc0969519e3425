#include "pages/masks/view/masks_page.h"

#include "pages/masks/mask_hints.h"
#include "pages/masks/view/mask_editor_dialog.h"
#include "tables/config_tables.h"

namespace talvex {

CTalvexConfigMasks::CTalvexConfigMasks(ShellContext& context, QWidget* parent)
    : TableListPage(context, ConfigTableOf(TableKind::Masks), QStringLiteral("Address Masks"),
                    "maskList", MASK_LIST_HINT, &RunEditor<CEditAddressMaskDlg>, parent)
{
}

} // namespace talvex
