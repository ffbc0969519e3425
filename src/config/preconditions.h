#pragma once
// The one way the core meets a broken precondition, such as an entry number
// outside its table: the caller checks what the operator chose (the caret,
// the selection) before it calls, so a broken precondition is a fault in the
// program. It stops the program at once with one line on standard error, in
// every build, rather than touch memory beside a table; nothing is thrown.
#include <cstddef>

namespace talvex {

// Stops the program unless `holds`; `what` names the precondition.
void Require(bool holds, const char* what);

// Precondition of every operation that names an entry: 0 <= entry < count.
void RequireEntry(int entry, int count);

// The entry `entry` of `table`, after RequireEntry.
template <typename Table>
auto& EntryAt(Table& table, int entry)
{
    RequireEntry(entry, static_cast<int>(table.size()));
    return table[static_cast<std::size_t>(entry)];
}

} // namespace talvex
