#include "pages/qos/qos_table.h"

#include <utility>

namespace talvex {

std::optional<int> LowestEmptyQos(const ConfigImage& image)
{
    return QosConfigTable().firstUnused(image);
}

QosDeleteResult DeleteQosEntries(ConfigImage& image, std::span<const int> selectedLines)
{
    DeleteResult result = QosConfigTable().deleteEntries(image, selectedLines);
    const int line = result.select == SelectAfter::OnlyLine ? result.line : QOS_COUNT;
    return {std::move(result.emptied), line};
}

std::optional<int> QosMoveNeighbour(int caret, QosMove move)
{
    return QosConfigTable().neighbour(caret, move == QosMove::Up ? MoveStep::Up : MoveStep::Down);
}

void ExchangeQosNodes(ConfigImage& image, int a, int b) { QosConfigTable().exchange(image, a, b); }

} // namespace talvex
