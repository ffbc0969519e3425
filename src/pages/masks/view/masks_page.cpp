#include "pages/masks/view/masks_page.h"

#include "pages/masks/mask_hints.h"
#include "pages/masks/mask_lines.h"
#include "pages/masks/mask_table_ops.h"
#include "pages/masks/view/mask_editor_dialog.h"

namespace talvex {

CTalvexConfigMasks::CTalvexConfigMasks(ShellContext& context, QWidget* parent)
    : TableListPage(context, QStringLiteral("Address Masks"), "maskList", MASK_LIST_HINT,
                    Moves::UpDown, parent)
{
}

int CTalvexConfigMasks::entryCount() const { return MASK_COUNT; }

QString CTalvexConfigMasks::lineText(int entry) const
{
    const auto& mask = context().image().maskTable[static_cast<std::size_t>(entry)];
    return QString::fromStdString(MaskLineText(mask, entry));
}

std::optional<int> CTalvexConfigMasks::lowestUnused() const
{
    return FirstUnusedMask(context().image());
}

bool CTalvexConfigMasks::runEditor(int entry)
{
    CEditAddressMaskDlg dialog(context(), entry, this);
    return context().RunModal(dialog) == QDialog::Accepted;
}

std::optional<int> CTalvexConfigMasks::deleteEntries(std::span<const int> selected)
{
    // After deleting entry 63 this is line 64: the selection stays as it was.
    return DeleteMasks(context().image(), selected);
}

std::optional<int> CTalvexConfigMasks::moveNeighbour(int caret, MoveStep step) const
{
    return MoveNeighbour(caret, step == MoveStep::Up ? MoveDirection::Up : MoveDirection::Down);
}

void CTalvexConfigMasks::exchangeEntries(int a, int b) { ExchangeMasks(context().image(), a, b); }

} // namespace talvex
