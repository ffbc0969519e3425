#pragma once
// What the address-mask list does to the image: find a free entry, delete
// entries, and exchange two neighbours while keeping the rules pointing at
// the same masks.
#include <optional>
#include <span>

#include "config/records.h"

namespace talvex {

// The lowest entry whose flags are 0, or nothing when all 64 are used.
std::optional<int> FirstUnusedMask(const ConfigImage& image);

// Marks one entry unused: flags, both offsets and lengths and the first byte
// of each mask become 0. Everything else (QoS node, TTL, key group, default
// action, key types, bases, the other mask bytes) stays, so it shows again
// when the entry is used anew.
void ClearMaskEntry(AddressMask& mask);

// Deletes every listed entry (numbers outside 0 to 63 and repeats are
// ignored) and returns the line to select afterwards: the one after the
// lowest deleted entry, or 0 when nothing was listed. The result is 64 when
// entry 63 was the lowest deleted; selecting it changes nothing.
int DeleteMasks(ConfigImage& image, std::span<const int> entries);

enum class MoveDirection { Up, Down };

// The neighbour that Up or Dn exchanges the caret entry with, or nothing
// when the move is not possible from there.
std::optional<int> MoveNeighbour(int caret, MoveDirection direction);

// Exchanges entries a and b as whole 64-byte records and swaps a and b in the
// parameters of every action that names an address mask: the rules' Then and
// Else actions and the masks' own default actions. Entries outside 0 to 63
// change nothing.
void ExchangeMasks(ConfigImage& image, int a, int b);

} // namespace talvex
