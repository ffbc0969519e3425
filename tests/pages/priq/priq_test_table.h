#pragma once
// Building priority-queue tables for the tests.
#include <cstdint>
#include <initializer_list>

#include "pages/priq/priq_table.h"

namespace talvex::testing {

struct EntrySetup {
    int number;
    std::uint16_t flags;
    std::int32_t qosNode = 0;
};

inline PriQTable MakePriQTable(std::initializer_list<EntrySetup> entries)
{
    PriQTable table{};
    for (const EntrySetup& e : entries) {
        table[static_cast<std::size_t>(e.number)].flags = e.flags;
        table[static_cast<std::size_t>(e.number)].qosNode = e.qosNode;
    }
    return table;
}

// Entries 0 to 4: a three-level queue with QoS node 5, a one-entry queue
// with QoS node 7 and an intermediate entry after it; the rest unused.
inline PriQTable TwoQueueTable()
{
    return MakePriQTable({{0, 0x0011, 5}, {1, 0x0021, 9}, {2, 0x0041, 9}, {3, 0x0051, 7},
                          {4, 0x0021, 9}});
}

} // namespace talvex::testing
