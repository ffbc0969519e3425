#include "pages/masks/mask_config_table.h"

#include <utility>

#include "config/action_references.h"
#include "config/preconditions.h"
#include "pages/masks/mask_lines.h"

namespace talvex {

std::string MaskConfigTable::lineText(const ConfigImage& image, int entry) const
{
    return MaskLineText(EntryAt(image.maskTable, entry), entry);
}

std::optional<int> MaskConfigTable::firstUnused(const ConfigImage& image) const
{
    return FirstUnusedIn(image.maskTable);
}

ListUpdate MaskConfigTable::openPage(ConfigImage&) const { return {.allLines = true}; }

void MaskConfigTable::emptyEntry(ConfigImage& image, int entry) const
{
    ClearMaskEntry(EntryAt(image.maskTable, entry));
}

void MaskConfigTable::exchangeEntries(ConfigImage& image, int a, int b,
                                      RewrittenEntries& rewritten) const
{
    SwapActionReferences(image, ReferencedTable::AddressMasks, a, b, rewritten);
    std::swap(image.maskTable[static_cast<std::size_t>(a)],
              image.maskTable[static_cast<std::size_t>(b)]);
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
