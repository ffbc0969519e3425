#pragma once
// Byte patterns as dotted hexadecimal text: two hexadecimal digits per byte,
// bytes joined by ".", at most 16 bytes (for example "08.00.E6.D0").
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace talvex {

constexpr int DOTTED_HEX_MAX_BYTES = 16;

// Reads the text the way the C library's formatted input reads sixteen "%02x"
// conversions separated by literal "." characters: white space is skipped
// before each byte, a byte is one or two hexadecimal digits of either case
// (an optional sign and a "0x" prefix count against the two characters), and
// the scan stops at the first character that does not fit. Byte i of the
// buffer becomes the low 8 bits of conversion i; bytes after the last one
// converted keep their value. Returns the number of bytes converted, 0 to 16
// (0 also for empty text).
int ParseDottedHex(std::string_view text, std::span<std::uint8_t, DOTTED_HEX_MAX_BYTES> bytes);

// The first `count` bytes as upper-case digit pairs joined by ".". A count of
// 0 or less gives empty text; a count beyond the bytes given (or beyond 16)
// formats only the bytes that exist, at most 16.
std::string FormatDottedHex(std::span<const std::uint8_t> bytes, int count);

} // namespace talvex
