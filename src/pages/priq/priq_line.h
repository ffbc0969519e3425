#pragma once
// The list lines of the Priority Queue page: one line per entry, drawing each
// queue as a bracket in a fixed-pitch font.
#include <string>

#include "pages/priq/priq_table.h"

namespace talvex {

// The line of entry `entry`:
//   "{Unused} #07"                                       flags 0
//   "   Pri Q #07: +-Queue 02 Highest Priority"          PQ_START
//   "   Pri Q #07: |          Intermediate Priority"     PQ_MIDDLE
//   "   Pri Q #07: +-Queue 02 Lowest Priority"           PQ_END
//   "   Pri Q #07: [-Queue 02 Trivia Priority Queue"     PQ_START and PQ_END
//   "   Pri Q #07: Invalid position bits 0x30"           any other combination
// The queue number is printed as a signed 16-bit number.
std::string PriQLineText(const PriorityQueueEntry& record, int entry);

} // namespace talvex
