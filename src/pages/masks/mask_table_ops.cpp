#include "pages/masks/mask_table_ops.h"

namespace talvex {

std::optional<int> FirstUnusedMask(const ConfigImage& image)
{
    return MaskConfigTable().firstUnused(image);
}

int DeleteMasks(ConfigImage& image, std::span<const int> entries)
{
    const DeleteResult result = MaskConfigTable().deleteEntries(image, entries);
    return result.select == SelectAfter::OnlyLine ? result.line : MASK_COUNT;
}

std::optional<int> MoveNeighbour(int caret, MoveDirection direction)
{
    return MaskConfigTable().neighbour(caret, direction == MoveDirection::Up ? MoveStep::Up
                                                                             : MoveStep::Down);
}

void ExchangeMasks(ConfigImage& image, int a, int b) { MaskConfigTable().exchange(image, a, b); }

} // namespace talvex
