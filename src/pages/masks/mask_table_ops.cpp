#include "pages/masks/mask_table_ops.h"

#include <algorithm>
#include <array>
#include <utility>

#include "config/action_references.h"

namespace talvex {

namespace {

bool IsMaskEntry(int entry) { return entry >= 0 && entry < MASK_COUNT; }

} // namespace

std::optional<int> FirstUnusedMask(const ConfigImage& image)
{
    for (int i = 0; i < MASK_COUNT; ++i) {
        if (!image.maskTable[static_cast<std::size_t>(i)].isUsed())
            return i;
    }
    return std::nullopt;
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

int DeleteMasks(ConfigImage& image, std::span<const int> entries)
{
    std::array<bool, MASK_COUNT> chosen{};
    for (int entry : entries) {
        if (IsMaskEntry(entry))
            chosen[static_cast<std::size_t>(entry)] = true;
    }
    int lowest = -1;
    for (int i = MASK_COUNT - 1; i >= 0; --i) {
        if (!chosen[static_cast<std::size_t>(i)])
            continue;
        ClearMaskEntry(image.maskTable[static_cast<std::size_t>(i)]);
        lowest = i;
    }
    return lowest < 0 ? 0 : lowest + 1;
}

std::optional<int> MoveNeighbour(int caret, MoveDirection direction)
{
    if (direction == MoveDirection::Up) {
        if (caret >= 1 && caret <= MASK_COUNT - 1)
            return caret - 1;
        return std::nullopt;
    }
    if (caret >= 0 && caret <= MASK_COUNT - 2)
        return caret + 1;
    return std::nullopt;
}

void ExchangeMasks(ConfigImage& image, int a, int b)
{
    if (!IsMaskEntry(a) || !IsMaskEntry(b))
        return;
    SwapActionReferences(image, ReferencedTable::AddressMasks, a, b);
    std::swap(image.maskTable[static_cast<std::size_t>(a)],
              image.maskTable[static_cast<std::size_t>(b)]);
}

} // namespace talvex
