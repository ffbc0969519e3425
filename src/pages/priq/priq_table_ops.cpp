#include "pages/priq/priq_table_ops.h"

namespace talvex {

std::optional<int> FirstUnusedEntry(const PriQTable& table) { return FirstUnusedIn(table); }

int DeleteSelectedEntries(PriQTable& table, std::span<const int> selectedLines)
{
    const DeleteResult result =
        DeleteSelected(PRIQ_COUNT, selectedLines, SelectAfter::Unchanged,
                       [&](int entry) { table[static_cast<std::size_t>(entry)].flags = 0; });
    return result.select == SelectAfter::OnlyLine ? result.line : PRIQ_COUNT;
}

} // namespace talvex
