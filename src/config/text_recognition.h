#pragma once
// Telling a configuration text (what talvexcfg export writes and import
// reads) from a configuration file, which has no header of its own: a text is
// recognised by its header line, so that no reader of configuration files
// ever loads one as records.
#include <cstdint>
#include <span>
#include <string_view>

namespace talvex {

// The words that start a text's header line, "TALVEX configuration Beta 2".
constexpr std::string_view CONFIG_TEXT_HEADER = "TALVEX configuration";

// Why loading a configuration file refuses a text.
constexpr const char* CONFIG_TEXT_REASON = "it is a configuration text, not a configuration "
                                           "file; talvexcfg import makes a file of it";

// A line git leaves in a file whose merge met a conflict: seven '<', '=',
// '>' or '|' at its start.
bool IsMergeConflictMarker(std::string_view line);

// Whether `bytes`, the start of a file, are a configuration text: after a
// byte-order mark of UTF-8 or UTF-16 (of which every other byte is read),
// and after lines that are blank, comments ("#") or merge-conflict markers,
// a line starts with CONFIG_TEXT_HEADER; no line up to it holds a NUL byte.
// No configuration file the manager or talvexcfg wrote passes: rule 0's
// bytes 16 to 19, which every load clears before a save, are NUL there, and
// the header words alone take 20 bytes.
bool IsConfigText(std::span<const std::uint8_t> bytes);

} // namespace talvex
