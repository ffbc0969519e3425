#include "pages/masks/mask_line.h"

#include "config/number_texts.h"

namespace talvex {

std::string MaskLineText(const AddressMask& mask, int entry)
{
    if (mask.isUsed())
        return "Mask #" + ZeroPaddedText(entry, 2) + ": ...";
    return "{Unused} #" + ZeroPaddedText(entry, 2);
}

} // namespace talvex
