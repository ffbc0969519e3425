#pragma once
// The hint topic of the Priority Queue page, shown when its list gets the
// input focus.

namespace talvex {

inline constexpr const char* PRIQ_LIST_HINT =
    "Priotity Queues\r\n\r\n"
    "This is the list of Priority Queue Buckets.  You can Add, Edit, or Delete priority queue "
    "buckets .\r\n\r\n"
    "Highlight the desired address bucket and use the corresponding buttons.  Double clicking on "
    "a bucket will pop up the Edit dialog.\r\n\r\n"
    "Static Priority Queues are created by configuring several numbered buckets.  A priority "
    "queue uses a QoS Node to establish the total throughput of the queue.";

} // namespace talvex
