#include "pages/priq/priq_structure.h"

namespace talvex {

void RunStructurePass(PriQTable& table)
{
    std::uint16_t queueCount = 0;
    std::int32_t queueQos = 0;
    for (PriorityQueueEntry& entry : table) {
        if (!HasInUseBit(entry))
            continue;
        if ((entry.flags & PQ_START) != 0) {
            queueQos = entry.qosNode;
            ++queueCount;
        } else {
            entry.qosNode = queueQos;
        }
        entry.queueNumber = queueCount;
    }
}

} // namespace talvex
