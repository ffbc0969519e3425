#pragma once
// The QoS table operations of the list page: finding a free entry, emptying
// entries, and moving an entry one place with every reference renumbered.
#include <optional>
#include <span>
#include <vector>

#include "config/records.h"

namespace talvex {

// The lowest entry whose flags are 0; nothing when every entry is in use.
std::optional<int> LowestEmptyQos(const ConfigImage& image);

// Puts the node into its empty state: every field zero except the sample
// period, which becomes 1000000. The last word (engine-owned) is kept.
void EmptyQosNode(QosNode& node);

struct QosDeleteResult {
    std::vector<int> emptied;  // the entries emptied, highest first
    int lineToSelect = 0;      // the line after the lowest emptied one, or 0
};

// Empties every listed entry (lines outside 0 to 63 are skipped), walking from
// the highest to the lowest.
QosDeleteResult DeleteQosEntries(ConfigImage& image, std::span<const int> selectedLines);

enum class QosMove { Up, Down };

// The neighbour the caret entry is exchanged with, or nothing when the move
// would leave the table (Up on 0, Down on 63) or the caret is outside it.
std::optional<int> QosMoveNeighbour(int caret, QosMove move);

// Exchanges QoS nodes a and b whole and renumbers every reference to them:
// the "QoS..." parameters (action byte exactly 0x11) of all 256 rules and of
// the address masks' default actions, and the QoS numbers of all address
// masks and priority-queue entries, used or not.
void ExchangeQosNodes(ConfigImage& image, int a, int b);

} // namespace talvex
