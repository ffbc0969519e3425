#include "textform/entry_text.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "textform/text_form.h"

namespace talvex::textform {

namespace {

// The entry a line of the text is about, when it is one of `table`'s.
bool LineOfEntries(std::string_view line, std::string_view word, std::span<const int> entries)
{
    if (!line.starts_with(word) || line.size() <= word.size() || line[word.size()] != ' ')
        return false;
    const std::string_view rest = line.substr(word.size() + 1);
    int entry = -1;
    std::from_chars(rest.data(), rest.data() + rest.size(), entry);
    return std::ranges::find(entries, entry) != entries.end();
}

} // namespace

std::string WriteEntriesText(const ConfigImage& image, TableKind table,
                             std::span<const int> entries, DerivingTables tables)
{
    const std::string whole = WriteConfigText(image, tables);
    const std::string_view word = FactsOf(table).textWord;
    std::string text;
    bool header = true;
    for (std::size_t start = 0; start < whole.size();) {
        const std::size_t newline = whole.find('\n', start);
        const std::size_t end = newline == std::string::npos ? whole.size() : newline + 1;
        const std::string_view line(whole.data() + start, end - start);
        if (header || LineOfEntries(line, word, entries))
            text.append(line);
        header = false;
        start = end;
    }
    return text;
}

} // namespace talvex::textform
