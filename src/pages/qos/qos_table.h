#pragma once
// The names the QoS page called before QosConfigTable. They stay only until
// the page runs on QosConfigTable; remove this file then.
#include <optional>
#include <span>
#include <vector>

#include "pages/qos/qos_config_table.h"

namespace talvex {

// QosConfigTable::firstUnused.
std::optional<int> LowestEmptyQos(const ConfigImage& image);

struct QosDeleteResult {
    std::vector<int> emptied;  // the entries emptied, highest first
    int lineToSelect = 0;      // the line after the lowest emptied one, or 0
};

// QosConfigTable::deleteEntries; lineToSelect is 64 after deleting entry 63,
// which selects nothing.
QosDeleteResult DeleteQosEntries(ConfigImage& image, std::span<const int> selectedLines);

enum class QosMove { Up, Down };

// QosConfigTable::neighbour.
std::optional<int> QosMoveNeighbour(int caret, QosMove move);

// QosConfigTable::exchange.
void ExchangeQosNodes(ConfigImage& image, int a, int b);

} // namespace talvex
