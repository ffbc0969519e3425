#include "config/table_kind.h"

namespace talvex {

std::optional<TableKind> TableNamed(std::string_view word)
{
    for (const TableFacts& facts : TABLE_FACTS) {
        if (word == facts.listWord || word == facts.textWord)
            return facts.kind;
    }
    return std::nullopt;
}

} // namespace talvex
