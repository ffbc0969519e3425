#include "pages/masks/mask_config_table.h"

#include "config/action_references.h"
#include "pages/masks/mask_line.h"

namespace talvex {

std::string MaskConfigTable::lineText(const ConfigImage& image, int entry) const
{
    return MaskLineText(entryIn(image, entry), entry);
}

void MaskConfigTable::emptyEntry(ConfigImage& image, int entry) const
{
    ClearMaskEntry(entryIn(image, entry));
}

void MaskConfigTable::renumberReferences(ConfigImage& image, int a, int b,
                                         RewrittenEntries& rewritten) const
{
    SwapActionReferences(image, TableKind::Masks, a, b, rewritten);
}

void ClearMaskEntry(AddressMask& mask)
{
    mask.flags = 0;
    mask.srcOffset = 0;
    mask.srcLength = 0;
    mask.dstOffset = 0;
    mask.dstLength = 0;
    mask.srcMask[0] = 0;
    mask.dstMask[0] = 0;
}

} // namespace talvex
