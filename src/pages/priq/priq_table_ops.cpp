#include "pages/priq/priq_table_ops.h"

#include <algorithm>

namespace talvex {

std::optional<int> FirstUnusedEntry(const PriQTable& table)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (!table[i].isUsed())
            return static_cast<int>(i);
    }
    return std::nullopt;
}

EditStep DecideEdit(int caretLine, int selectedLineCount)
{
    if (caretLine < 0 || caretLine >= PRIQ_COUNT)
        return EditStep::Nothing;
    if (selectedLineCount >= 2)
        return EditStep::SelectCaretOnly;
    return EditStep::OpenEditor;
}

int DeleteSelectedEntries(PriQTable& table, std::span<const int> selectedLines)
{
    int lowestDeleted = -1;
    for (int line = PRIQ_COUNT - 1; line >= 0; --line) {
        if (std::find(selectedLines.begin(), selectedLines.end(), line) == selectedLines.end())
            continue;
        table[static_cast<std::size_t>(line)].flags = 0;
        lowestDeleted = line;
    }
    return lowestDeleted < 0 ? 0 : lowestDeleted + 1;
}

} // namespace talvex
