#pragma once
// The structure pass: derives every used entry's queue number and, for every
// used entry that does not start a queue, the QoS node of its queue.
#include "pages/priq/priq_table.h"

namespace talvex {

// Walks entries 0 to 63. Entries without PQ_IN_USE are left untouched. A
// used start entry raises the queue count and lends its own QoS node to the
// used entries after it; every used entry gets the current count as its
// queue number, and every used entry that is not a start gets the lent QoS
// node (0 before the first start). PQ_END plays no part.
void RunStructurePass(PriQTable& table);

} // namespace talvex
