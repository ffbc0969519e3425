#pragma once
// The names the Address Masks page called before MaskConfigTable. They stay
// only until the page runs on MaskConfigTable; remove this file then.
#include <optional>
#include <span>

#include "pages/masks/mask_config_table.h"

namespace talvex {

// MaskConfigTable::firstUnused.
std::optional<int> FirstUnusedMask(const ConfigImage& image);

// MaskConfigTable::deleteEntries: the line to select; 64 after deleting
// entry 63, which selects nothing.
int DeleteMasks(ConfigImage& image, std::span<const int> entries);

enum class MoveDirection { Up, Down };

// MaskConfigTable::neighbour.
std::optional<int> MoveNeighbour(int caret, MoveDirection direction);

// MaskConfigTable::exchange.
void ExchangeMasks(ConfigImage& image, int a, int b);

} // namespace talvex
