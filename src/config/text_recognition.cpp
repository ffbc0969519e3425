#include "config/text_recognition.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace talvex {

namespace {

constexpr std::size_t MARKER_LENGTH = 7;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// The text's characters as far as recognising it needs them: a UTF-8
// byte-order mark left out, of UTF-16 only the low byte of each character.
std::string AsciiView(std::span<const std::uint8_t> bytes)
{
    std::size_t first = 0;
    std::size_t step = 1;
    const auto startsWith = [&bytes](std::initializer_list<std::uint8_t> mark) {
        return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin());
    };
    if (startsWith({0xEF, 0xBB, 0xBF})) {
        first = 3;
    } else if (startsWith({0xFF, 0xFE})) {
        first = 2;
        step = 2;
    } else if (startsWith({0xFE, 0xFF})) {
        first = 3;
        step = 2;
    }
    std::string view;
    for (std::size_t i = first; i < bytes.size(); i += step)
        view += static_cast<char>(bytes[i]);
    return view;
}

} // namespace

bool IsMergeConflictMarker(std::string_view line)
{
    return line.size() >= MARKER_LENGTH && std::string_view("<=>|").find(line[0]) != line.npos
        && line.find_first_not_of(line[0]) >= MARKER_LENGTH;
}

bool IsConfigText(std::span<const std::uint8_t> bytes)
{
    const std::string view = AsciiView(bytes);
    for (std::size_t at = 0; at < view.size();) {
        const std::size_t end = std::min(view.find('\n', at), view.size());
        std::string_view line = std::string_view(view).substr(at, end - at);
        if (line.find('\0') != line.npos)
            return false;
        while (!line.empty() && IsBlank(line.front()))
            line.remove_prefix(1);
        if (line.starts_with(CONFIG_TEXT_HEADER))
            return true;
        if (!line.empty() && line.front() != '#' && !IsMergeConflictMarker(line))
            return false;
        at = end + 1;
    }
    return false;
}

} // namespace talvex
