#include "config/config_table.h"

#include <algorithm>

#include "config/preconditions.h"

namespace talvex {

EditStep ConfigTable::decideEdit(int caret, int selectedCount) const
{
    if (caret < 0 || caret >= entryCount())
        return EditStep::Nothing;
    if (selectedCount >= 2)
        return EditStep::SelectCaretOnly;
    return EditStep::OpenEditor;
}

DeleteResult ConfigTable::deleteEntries(ConfigImage& image, std::span<const int> selected) const
{
    return DeleteSelected(entryCount(), selected, afterDeletingLastLine(),
                          [&](int entry) { emptyEntry(image, entry); });
}

std::optional<int> ConfigTable::neighbour(int caret, MoveStep step) const
{
    if (!moves())
        return std::nullopt;
    return NeighbourOf(caret, step, entryCount());
}

RewrittenEntries ConfigTable::exchange(ConfigImage& image, int a, int b) const
{
    Require(moves(), "only a table that moves exchanges entries");
    RequireEntry(a, entryCount());
    RequireEntry(b, entryCount());
    RewrittenEntries rewritten;
    renumberReferences(image, a, b, rewritten);
    swapRecords(image, a, b);
    rewritten.add(kind(), a);
    rewritten.add(kind(), b);
    return rewritten;
}

void ConfigTable::deriveOnOpen(ConfigImage&) const {}

void ConfigTable::deriveAfterChange(ConfigImage&) const {}

void DeriveOnOpen(ConfigImage& image, std::span<const ConfigTable* const> tables)
{
    for (const ConfigTable* table : tables)
        table->deriveOnOpen(image);
}

std::optional<int> ConfigTable::duplicate(ConfigImage& image, int entry) const
{
    RequireEntry(entry, entryCount());
    if (!isUsed(image, entry))
        return std::nullopt;
    const std::optional<int> target = firstUnused(image);
    if (target)
        copyRecord(image, entry, *target);
    return target;
}

ListUpdate ConfigTable::openUpdate() const { return {.allLines = true}; }

ListUpdate ConfigTable::activateUpdate() const { return {}; }

ListUpdate ConfigTable::changeUpdate() const { return {}; }

// Only the tables that move override this; exchange() asks no other.
void ConfigTable::renumberReferences(ConfigImage&, int, int, RewrittenEntries&) const {}

std::optional<int> NeighbourOf(int caret, MoveStep step, int count)
{
    const int other = step == MoveStep::Up ? caret - 1 : caret + 1;
    if (caret < 0 || caret >= count || other < 0 || other >= count)
        return std::nullopt;
    return other;
}

DeleteResult DeleteSelected(int count, std::span<const int> selected, SelectAfter afterLastLine,
                            const std::function<void(int entry)>& empty)
{
    DeleteResult result;
    result.emptied.assign(selected.begin(), selected.end());
    for (int entry : result.emptied)
        RequireEntry(entry, count);
    std::sort(result.emptied.begin(), result.emptied.end(), std::greater<>());
    result.emptied.erase(std::unique(result.emptied.begin(), result.emptied.end()),
                         result.emptied.end());
    for (int entry : result.emptied)
        empty(entry);

    if (result.emptied.empty())
        return result;  // line 0
    const int next = result.emptied.back() + 1;
    if (next < count)
        result.line = next;
    else
        result.select = afterLastLine;
    return result;
}

} // namespace talvex
