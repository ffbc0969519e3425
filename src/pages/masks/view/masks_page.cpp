#include "pages/masks/view/masks_page.h"

#include "pages/masks/mask_config_table.h"
#include "pages/masks/mask_hints.h"
#include "pages/masks/view/mask_editor_dialog.h"

namespace talvex {

CTalvexConfigMasks::CTalvexConfigMasks(ShellContext& context, QWidget* parent)
    : TableListPage(context, TableObject<MaskConfigTable>(), MASK_LIST_HINT,
                    &RunEditor<CEditAddressMaskDlg>, parent)
{
}

} // namespace talvex
