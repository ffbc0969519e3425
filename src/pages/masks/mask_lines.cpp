#include "pages/masks/mask_lines.h"

#include <charconv>

namespace talvex {

namespace {

// The entry number as "%02d" prints it.
std::string TwoDigits(int entry)
{
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, entry);
    std::string text(digits, result.ptr);
    if (text.size() < 2)
        text.insert(0, 1, '0');
    return text;
}

} // namespace

std::string MaskLineText(const AddressMask& mask, int entry)
{
    if (mask.isUsed())
        return "Mask #" + TwoDigits(entry) + ": ...";
    return "{Unused} #" + TwoDigits(entry);
}

} // namespace talvex
