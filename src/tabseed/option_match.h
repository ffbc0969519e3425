#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabseed {

// Turns the letters a to z into A to Z and leaves every other byte alone,
// whatever the locale.
void UpperCaseAscii(std::string& text);

inline constexpr std::uint32_t MAX_COUNT = 1000000;

// "-COUNT=n": the prefix, optional white space, then at least one decimal
// digit; anything after the digits is ignored. A sign does not match.
// Returns the number, or UINT32_MAX for a number that does not fit in 32
// bits, or nothing when the argument is not this option.
std::optional<std::uint32_t> MatchCountOption(std::string_view argument);

// "-FILE=name": the prefix, optional white space, then the name up to the
// next white space; an empty name does not match.
std::optional<std::string> MatchFileOption(std::string_view argument);

} // namespace tabseed
