#pragma once
// What the messages about a text show of it: a token cut short and made
// safe for a terminal, and the name a mistyped one was likely meant to be.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace talvex::textform {

// Tokens are shown up to this many characters, then "...".
constexpr std::size_t SHOWN_TOKEN_CHARS = 60;

// The token as a message shows it: every byte outside printable ASCII as
// \xHH ("\x1b"), cut after SHOWN_TOKEN_CHARS characters with "...".
std::string ShownToken(std::string_view token);

// The name of `names` that `word` most likely meant: one that differs only
// in case first, else the nearest by edits when it is near enough; nothing
// when none is.
std::optional<std::string_view> NearestName(std::string_view word,
                                            std::span<const std::string_view> names);

} // namespace talvex::textform
