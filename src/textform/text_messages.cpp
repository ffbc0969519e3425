#include "textform/text_messages.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace talvex::textform {

namespace {

// Words longer than this are no typing slip of any name.
constexpr std::size_t LONGEST_COMPARED = 40;

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// Levenshtein's edit distance, letters compared without their case.
std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t change = diagonal + (Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::string ShownToken(std::string_view token)
{
    static constexpr char HEX_DIGITS[] = "0123456789abcdef";
    std::string shown;
    for (const char c : token) {
        if (shown.size() >= SHOWN_TOKEN_CHARS)
            return shown + "...";
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F)
            shown += c;
        else
            shown.append("\\x").append({HEX_DIGITS[byte >> 4], HEX_DIGITS[byte & 0xF]});
    }
    return shown;
}

std::optional<std::string_view> NearestName(std::string_view word,
                                            std::span<const std::string_view> names)
{
    if (word.empty() || word.size() > LONGEST_COMPARED)
        return std::nullopt;
    std::optional<std::string_view> nearest;
    std::size_t best = std::max<std::size_t>(2, word.size() / 3) + 1;
    for (const std::string_view name : names) {
        const std::size_t distance = EditDistance(word, name);
        // Only the case differs: nothing is nearer.
        if (distance == 0)
            return name;
        if (distance < best) {
            best = distance;
            nearest = name;
        }
    }
    return nearest;
}

} // namespace talvex::textform
