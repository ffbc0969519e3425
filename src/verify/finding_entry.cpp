#include "verify/finding_entry.h"

#include <charconv>

namespace talvex {

namespace {

// The words a finding starts with for the entry it is about.
struct Holder {
    std::string_view word;
    TableKind table;
};

constexpr Holder HOLDERS[] = {
    {"Rule ", TableKind::Rules},
    {"Mask ", TableKind::Masks},
    {"PriQ ", TableKind::PriQ},
};

} // namespace

std::optional<FindingEntry> EntryOfFinding(std::string_view line)
{
    for (const Holder& holder : HOLDERS) {
        if (!line.starts_with(holder.word))
            continue;
        const std::string_view rest = line.substr(holder.word.size());
        int entry = 0;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), entry);
        if (error != std::errc() || entry < 0 || entry >= FactsOf(holder.table).entryCount)
            return std::nullopt;
        // The number ends the word: "Rule 12 ..." or "PriQ 3: ...".
        if (end != rest.data() + rest.size() && *end != ' ' && *end != ':')
            return std::nullopt;
        return FindingEntry{holder.table, entry};
    }
    return std::nullopt;
}

} // namespace talvex
