#include "tabseed/option_match.h"

#include <limits>

namespace tabseed {

namespace {

constexpr std::string_view COUNT_PREFIX = "-COUNT=";
constexpr std::string_view FILE_PREFIX = "-FILE=";

// White space as the C library sees it in the "C" locale.
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view SkipSpace(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at])) {
        ++at;
    }
    return text.substr(at);
}

} // namespace

void UpperCaseAscii(std::string& text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
}

std::optional<std::uint32_t> MatchCountOption(std::string_view argument)
{
    if (!argument.starts_with(COUNT_PREFIX)) {
        return std::nullopt;
    }
    const std::string_view rest = SkipSpace(argument.substr(COUNT_PREFIX.size()));
    if (rest.empty() || !IsDigit(rest.front())) {
        return std::nullopt;
    }
    constexpr std::uint64_t LIMIT = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (const char c : rest) {
        if (!IsDigit(c)) {
            break;
        }
        // Saturate, so a huge number stays huge instead of wrapping into
        // the accepted range.
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > LIMIT) {
            value = LIMIT;
        }
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<std::string> MatchFileOption(std::string_view argument)
{
    if (!argument.starts_with(FILE_PREFIX)) {
        return std::nullopt;
    }
    const std::string_view rest = SkipSpace(argument.substr(FILE_PREFIX.size()));
    std::size_t length = 0;
    while (length < rest.size() && !IsSpace(rest[length])) {
        ++length;
    }
    if (length == 0) {
        return std::nullopt;
    }
    return std::string(rest.substr(0, length));
}

} // namespace tabseed
