#include "pages/qos/qos_table.h"

#include <algorithm>

#include "config/action_references.h"

namespace talvex {

namespace {

bool InTable(int index) { return index >= 0 && index < QOS_COUNT; }

} // namespace

std::optional<int> LowestEmptyQos(const ConfigImage& image)
{
    for (int i = 0; i < QOS_COUNT; ++i) {
        if (!image.qosTable[i].isUsed())
            return i;
    }
    return std::nullopt;
}

void EmptyQosNode(QosNode& node)
{
    const auto kept = node.engineReserved;
    node = QosNode{};
    node.samplePeriod = DEFAULT_SAMPLE_PERIOD;
    node.engineReserved = kept;
}

QosDeleteResult DeleteQosEntries(ConfigImage& image, std::span<const int> selectedLines)
{
    std::vector<int> lines(selectedLines.begin(), selectedLines.end());
    std::erase_if(lines, [](int line) { return !InTable(line); });
    std::sort(lines.begin(), lines.end(), std::greater<>());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());

    QosDeleteResult result;
    for (int line : lines) {
        EmptyQosNode(image.qosTable[line]);
        result.emptied.push_back(line);
    }
    result.lineToSelect = result.emptied.empty() ? 0 : result.emptied.back() + 1;
    return result;
}

std::optional<int> QosMoveNeighbour(int caret, QosMove move)
{
    const int neighbour = move == QosMove::Up ? caret - 1 : caret + 1;
    if (!InTable(caret) || !InTable(neighbour))
        return std::nullopt;
    return neighbour;
}

void ExchangeQosNodes(ConfigImage& image, int a, int b)
{
    if (!InTable(a) || !InTable(b))
        return;
    SwapActionReferences(image, ReferencedTable::QosNodes, a, b);
    for (AddressMask& mask : image.maskTable)
        mask.qosNode = static_cast<std::int16_t>(ExchangedNumber(mask.qosNode, a, b));
    for (PriorityQueueEntry& entry : image.priQTable)
        entry.qosNode = ExchangedNumber(entry.qosNode, a, b);
    std::swap(image.qosTable[a], image.qosTable[b]);
}

} // namespace talvex
